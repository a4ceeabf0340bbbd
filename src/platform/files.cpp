#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vernik {
namespace {

// Lower-cases ASCII letters and the Latin-1 capitals encoded in UTF-8
// (C3 80 to C3 9E, except the multiplication sign C3 97).
std::string foldNameCase(std::string_view name) {
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                out[i + 1] = static_cast<char>(next + 32);
            ++i;
        }
    }
    return out;
}

std::string errorText(int code) {
    return std::strerror(code);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string folderPart(const fs::path& path) {
    return path.parent_path().string();
}

fs::path folderHolding(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

std::string currentFolder() {
    std::error_code error;
    const fs::path folder = fs::current_path(error);
    return error ? std::string(".") : folder.string();
}

std::optional<fs::path> findFileIgnoringCase(const fs::path& path) {
    if (isRegularFile(path)) return path;
    const fs::path folder = folderHolding(path);
    const std::string wanted = foldNameCase(path.filename().string());
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (foldNameCase(it->path().filename().string()) == wanted && isRegularFile(it->path())) {
            return it->path();
        }
    }
    return std::nullopt;
}

std::optional<std::string> readFileBytes(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got > 0) {
            bytes.append(block, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    return bytes;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

WriteResult writeFileReplacing(const fs::path& path, std::string_view bytes) {
    fs::path temporary = path;
    temporary += ".new-" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return {path.string() + ": " + errorText(errno)};
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temporary.c_str());
        return {path.string() + ": " + errorText(written ? errno : writeError)};
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return {path.string() + ": " + errorText(renameError)};
    }
    return {};
}

}  // namespace vernik
