#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The hex view of a disk file: lines of 16 bytes, each shown twice, as
// hexadecimal pairs and as characters, under the same line number; and the
// edited copy written back from the hexadecimal lines.
namespace vernik {

inline constexpr std::uint64_t kHexLineBytes = 16;
// The most lines one view shows (1 MiB of the file); a longer range is cut.
inline constexpr std::uint64_t kMaxHexViewLines = 65536;

// The lines shown: from `firstLine` up to, not including, `endLine`.
struct HexRange {
    std::uint64_t firstLine = 0;
    std::uint64_t endLine = 20;
    std::uint64_t startByte() const { return firstLine * kHexLineBytes; }
    std::uint64_t endByte() const { return endLine * kHexLineBytes; }
};

// The range typed in the two fields ("Från" and "Till", in lines of 16
// bytes). A negative first line counts as 0, an end before the first line as
// the first line; a range longer than kMaxHexViewLines is cut to that length
// and says so in `shortened`. `error` names a field that holds no whole number.
struct HexRangeFields {
    HexRange range;
    bool shortened = false;
    std::string error;
    bool ok() const { return error.empty(); }
};
HexRangeFields hexRangeFromFields(std::string_view from, std::string_view to);

// The line number as six digits with leading zeros, more digits when it needs
// them, then one blank.
std::string hexLinePrefix(std::uint64_t line);
// " XX" for each byte (upper-case digits) after the prefix.
std::string hexPaneLine(std::uint64_t line, std::string_view bytes);
// Each byte as itself after the prefix, line feed and carriage return as blanks.
std::string characterPaneLine(std::uint64_t line, std::string_view bytes);

struct HexViewPanes {
    std::vector<std::string> hexLines;
    std::vector<std::string> characterLines;
    std::string error;  // the file could not be read (UTF-8: its path and the system's reason)
    bool ok() const { return error.empty(); }
};

// Reads only the bytes of `range` from `file` and formats them; the last
// line may hold fewer than 16 bytes, and a range past the end gives no lines.
HexViewPanes loadHexView(const std::filesystem::path& file, const HexRange& range);

// The bytes the hexadecimal lines stand for, line i taken as line
// `firstLine` + i. Pairs are read by position after the line's prefix: byte
// j of a line at characters prefix + 1 + 3j and prefix + 2 + 3j (0-based);
// a line shorter than that gives what it holds. A pair that is not two
// hexadecimal digits is left out and counted in `skippedPairs`.
struct HexLineBytes {
    std::string bytes;
    std::size_t skippedPairs = 0;
};
HexLineBytes bytesOfHexLines(std::uint64_t firstLine, const std::vector<std::string>& hexLines);

struct HexSaveResult {
    std::string error;  // nothing was written when it is set (UTF-8, as above)
    std::size_t skippedPairs = 0;
    bool ok() const { return error.empty(); }
};

// Writes `target` as `source` with the bytes of `range` replaced by what the
// hexadecimal lines say. The copy is written beside the target and renamed
// over it at the end, so the target may be the source itself and a failure
// leaves the target as it was.
HexSaveResult saveHexView(const std::filesystem::path& source, const std::filesystem::path& target,
                          const HexRange& range, const std::vector<std::string>& hexLines);

}  // namespace vernik
