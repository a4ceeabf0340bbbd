#include "platform/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vernik {
namespace {
constexpr std::size_t kBlockSize = 64 * 1024;
}

LineReader::LineReader(const std::filesystem::path& path) : buffer_(kBlockSize) {
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
    if (atEnd_ || fd_ < 0) return false;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
        if (got > 0) {
            pos_ = 0;
            end_ = static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        atEnd_ = true;  // end of file, or a read error: both end the lines
        return false;
    }
}

bool LineReader::next(std::string& line, std::size_t maxLength) {
    line.clear();
    std::size_t lineLength = 0;
    char lastByte = 0;
    bool sawAnything = false;
    for (;;) {
        if (pos_ == end_ && !refill()) break;
        sawAnything = true;
        const char* start = buffer_.data() + pos_;
        const std::size_t available = end_ - pos_;
        const void* newline = std::memchr(start, '\n', available);
        const std::size_t take =
            newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start)
                    : available;
        if (take > 0) {
            if (maxLength == 0 || lineLength < maxLength) {
                const std::size_t room = maxLength == 0 ? take : maxLength - lineLength;
                line.append(start, take < room ? take : room);
            }
            lineLength += take;
            lastByte = start[take - 1];
        }
        pos_ += take;
        if (newline) {
            ++pos_;
            break;
        }
    }
    if (!sawAnything) return false;
    // A CR before the LF belongs to the line end; it is in `line` only when
    // the line was not cut before it.
    if (lastByte == '\r' && (maxLength == 0 || lineLength <= maxLength)) line.pop_back();
    return true;
}

}  // namespace vernik
