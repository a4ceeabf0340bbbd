#include "platform/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vernik {
namespace {

constexpr std::size_t kBlockSize = 256 * 1024;
}  // namespace

LineReader::LineReader(const std::filesystem::path& path) : buffer_(kBlockSize + kChunk) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    struct stat info {};
    // A folder opens for reading on Linux; it is not a file to read lines from.
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
    }
}

LineReader::~LineReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool LineReader::refill() {
    newlines_ = 0;
    if (atEnd_ || fd_ < 0) return false;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data(), kBlockSize);
        if (got > 0) {
            pos_ = 0;
            end_ = static_cast<std::size_t>(got);
            // The bytes after the data are read by the last chunk's mask.
            std::memset(buffer_.data() + end_, 0, kChunk);
            markNewlinesFrom(0);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        atEnd_ = true;  // end of file, or a read error: both end the lines
        return false;
    }
}

// Loads the LF bits of the chunk holding `position`, without those before it.
void LineReader::markNewlinesFrom(std::size_t position) {
    chunkStart_ = position - position % kChunk;
    newlines_ = newlineMask(buffer_.data() + chunkStart_) >> (position - chunkStart_)
                                                                 << (position - chunkStart_);
}

// The line runs over the end of the buffer: gather it in carry_. Bytes past
// the limit are not kept (one more is kept for a CR before the LF).
bool LineReader::nextAcrossBlocks(std::string_view& line, std::size_t maxLength) {
    if (pos_ >= end_ && !refill()) return false;
    carry_.clear();
    const std::size_t keep = maxLength == 0 ? std::string::npos : maxLength + 1;
    for (;;) {
        if (pos_ >= end_ && !refill()) break;
        const char* start = buffer_.data() + pos_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
        const std::size_t take = newline ? static_cast<std::size_t>(newline - start) : end_ - pos_;
        if (carry_.size() < keep) carry_.append(start, std::min(take, keep - carry_.size()));
        pos_ += take;
        if (newline) {
            ++pos_;
            break;
        }
    }
    if (pos_ < end_) markNewlinesFrom(pos_);
    line = withoutLineEnd(carry_, maxLength);
    return true;
}

bool LineReader::next(std::string& line, std::size_t maxLength) {
    std::string_view view;
    if (!next(view, maxLength)) return false;
    line.assign(view);
    return true;
}

}  // namespace vernik
