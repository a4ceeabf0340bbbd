#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vernik {

// The longest text the lexicon formats keep of a line.
inline constexpr std::size_t kShortTextLength = 255;

// Reads a byte file line by line in large blocks. A line ends at LF or CR LF;
// the line end is not part of the line. A last line without a line end still
// counts. Lines longer than the limit are cut and the rest of the line skipped.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Reads the next line into `line`, keeping at most `maxLength` bytes
    // (0 keeps whole lines). Returns false at the end of the file.
    bool next(std::string& line, std::size_t maxLength = kShortTextLength);

private:
    bool refill();

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

}  // namespace vernik
