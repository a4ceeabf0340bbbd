#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A file's bytes as lines of hexadecimal digits, for keeping it on paper,
// and the bytes read back from such digits, typed or scanned.
namespace vernik {

// A listing line holds at most 250 characters: 83 bytes of three characters.
inline constexpr int kMostBytesPerLine = 83;

// The bytes per line typed in the byte-listing panel: a whole number from 1
// to kMostBytesPerLine, blanks around it ignored.
std::optional<int> parseBytesPerLine(std::string_view text);

// The message for a bytes-per-line text parseBytesPerLine refuses.
std::string bytesPerLineProblem(std::string_view text);

// Each byte as two upper-case hexadecimal digits and a blank, `perLine` bytes
// to a line. The last line holds what is left and is there even when empty.
std::vector<std::string> byteListing(std::string_view bytes, int perLine);

// The bytes the digits give: each pair of adjacent hexadecimal digits
// ("0"-"9", "A"-"F") is one byte, the first digit the high half. Likely
// recognition errors are read as the digits meant: "O" and "o" as 0, "K" and
// "k" as E, "c" as C. Digits that run on without blanks give a byte for every
// adjacent pair.
std::string bytesFromDigits(std::string_view text);

}  // namespace vernik
