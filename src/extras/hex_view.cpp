#include "extras/hex_view.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "platform/files.h"

namespace vernik {
namespace {

constexpr int kLineNumberDigits = 6;
constexpr std::size_t kCopyChunk = 1 << 16;
// Line numbers whose byte offsets still fit 64 bits.
constexpr std::int64_t kLargestLine =
    static_cast<std::int64_t>(std::numeric_limits<std::uint64_t>::max() / kHexLineBytes / 2);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string failure(const std::filesystem::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size()) {
        return std::nullopt;
    }
    return std::clamp<std::int64_t>(value, 0, kLargestLine);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Seeks `file` to `offset`; false when the system refuses.
bool seekTo(std::FILE* file, std::uint64_t offset) {
    return ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

// Copies up to `count` bytes (all that remain when count is the largest
// value) from `in` to `out`; false with errno set when a read or write fails.
bool copyBytes(std::FILE* in, int out, std::uint64_t count) {
    std::string buffer(kCopyChunk, '\0');
    while (count > 0) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, kCopyChunk));
        const std::size_t got = std::fread(buffer.data(), 1, want, in);
        if (got > 0 && !writeAll(out, std::string_view(buffer.data(), got))) return false;
        count -= got;
        if (got < want) return !std::ferror(in);
    }
    return true;
}

}  // namespace

HexRangeFields hexRangeFromFields(std::string_view from, std::string_view to) {
    HexRangeFields result;
    const auto first = wholeNumber(from);
    const auto end = wholeNumber(to);
    if (!first || !end) {
        result.error = std::string("Inget heltal i ") + (!first ? "Fr\xE5n" : "Till") + ": " +
                       std::string(!first ? from : to);
        return result;
    }
    result.range.firstLine = static_cast<std::uint64_t>(*first);
    result.range.endLine = std::max(result.range.firstLine, static_cast<std::uint64_t>(*end));
    if (result.range.endLine - result.range.firstLine > kMaxHexViewLines) {
        result.range.endLine = result.range.firstLine + kMaxHexViewLines;
        result.shortened = true;
    }
    return result;
}

std::string hexLinePrefix(std::uint64_t line) {
    std::string digits = std::to_string(line);
    if (digits.size() < kLineNumberDigits) digits.insert(0, kLineNumberDigits - digits.size(), '0');
    return digits + ' ';
}

std::string hexPaneLine(std::uint64_t line, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = hexLinePrefix(line);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string characterPaneLine(std::uint64_t line, std::string_view bytes) {
    std::string text = hexLinePrefix(line);
    for (const char c : bytes) text += (c == '\n' || c == '\r') ? ' ' : c;
    return text;
}

HexViewPanes loadHexView(const std::filesystem::path& file, const HexRange& range) {
    HexViewPanes panes;
    const File in(std::fopen(file.c_str(), "rb"));
    if (!in) {
        panes.error = failure(file, errno);
        return panes;
    }
    const std::uint64_t length =
        range.endLine > range.firstLine ? range.endByte() - range.startByte() : 0;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (!seekTo(in.get(), range.startByte())) {
        panes.error = failure(file, errno);
        return panes;
    }
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
    if (std::ferror(in.get())) {
        panes.error = failure(file, errno);
        return panes;
    }
    std::uint64_t line = range.firstLine;
    for (std::size_t at = 0; at < bytes.size(); at += kHexLineBytes, ++line) {
        const std::string_view chunk = std::string_view(bytes).substr(at, kHexLineBytes);
        panes.hexLines.push_back(hexPaneLine(line, chunk));
        panes.characterLines.push_back(characterPaneLine(line, chunk));
    }
    return panes;
}

HexLineBytes bytesOfHexLines(std::uint64_t firstLine, const std::vector<std::string>& hexLines) {
    HexLineBytes result;
    std::uint64_t line = firstLine;
    for (const std::string& text : hexLines) {
        const std::size_t prefix = hexLinePrefix(line++).size();
        for (std::size_t high = prefix + 1; high + 1 < text.size(); high += 3) {
            const int upper = hexDigit(text[high]);
            const int lower = hexDigit(text[high + 1]);
            if (upper < 0 || lower < 0) {
                ++result.skippedPairs;
                continue;
            }
            result.bytes += static_cast<char>(upper * 16 + lower);
        }
    }
    return result;
}

HexSaveResult saveHexView(const std::filesystem::path& source, const std::filesystem::path& target,
                          const HexRange& range, const std::vector<std::string>& hexLines) {
    HexSaveResult result;
    const File in(std::fopen(source.c_str(), "rb"));
    if (!in) {
        result.error = failure(source, errno);
        return result;
    }
    const HexLineBytes edited = bytesOfHexLines(range.firstLine, hexLines);
    result.skippedPairs = edited.skippedPairs;

    const std::filesystem::path temporary = temporaryFileName(target);
    const int out = createTemporaryFile(target);
    if (out < 0) {
        result.error = failure(target, errno);
        return result;
    }
    // The bytes before the range, the edited range, then the source past the
    // range (a source that ends before it simply has no rest).
    const bool written = copyBytes(in.get(), out, range.startByte()) &&
                         writeAll(out, edited.bytes) && seekTo(in.get(), range.endByte()) &&
                         copyBytes(in.get(), out, std::numeric_limits<std::uint64_t>::max()) &&
                         ::fsync(out) == 0;
    const int error = errno;
    if (::close(out) != 0 || !written) {
        result.error = failure(target, written ? errno : error);
        ::unlink(temporary.c_str());
        return result;
    }
    const WriteResult renamed = renameReplacing(temporary, target);
    if (!renamed.ok()) {
        ::unlink(temporary.c_str());
        result.error = renamed.error;
    }
    return result;
}

}  // namespace vernik
