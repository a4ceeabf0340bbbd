#include "platform/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>

namespace vernik {

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

namespace {

std::string errorText(int code) {
    return std::strerror(code);
}

constexpr std::string_view kTemporaryInfix = ".new-";

// The process id of a temporary's name, with the name of its target.
struct TemporaryName {
    std::string_view target;
    pid_t pid = 0;
};

std::optional<TemporaryName> parseTemporaryName(std::string_view name) {
    const std::size_t at = name.rfind(kTemporaryInfix);
    if (at == std::string_view::npos || at == 0) return std::nullopt;
    const std::string_view digits = name.substr(at + kTemporaryInfix.size());
    TemporaryName parsed{name.substr(0, at)};
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), parsed.pid);
    if (ec != std::errc() || end != digits.data() + digits.size() || parsed.pid <= 0) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

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

bool processRuns(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

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

std::optional<fs::path> childPath(const fs::path& folder, std::string_view name) {
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    return folder / fs::path(std::string(name));
}

bool isWriteProtected(const fs::path& path) {
    std::error_code ec;
    const fs::perms perms = fs::status(path, ec).permissions();
    if (ec) return false;
    return (perms & fs::perms::owner_write) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
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
    WriteResult result = writeTemporaryFile(path, bytes);
    if (!result.ok()) return result;
    const fs::path temporary = temporaryFileName(path);
    result = renameReplacing(temporary, path);
    if (!result.ok()) ::unlink(temporary.c_str());
    return result;
}

fs::path temporaryFileName(const fs::path& path) {
    fs::path temporary = path;
    temporary += std::string(kTemporaryInfix) + std::to_string(::getpid());
    return temporary;
}

int createTemporaryFile(const fs::path& path) {
    const fs::path temporary = temporaryFileName(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    struct stat existing {};
    if (fd >= 0 && ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd, existing.st_mode & 07777);  // a failure leaves the plain 0644
    }
    return fd;
}

WriteResult writeTemporaryFile(const fs::path& path, std::string_view bytes) {
    const fs::path temporary = temporaryFileName(path);
    const int fd = createTemporaryFile(path);
    if (fd < 0) return {path.string() + ": " + errorText(errno)};
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.c_str());
        return {path.string() + ": " + errorText(error)};
    }
    return {};
}

WriteResult renameReplacing(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return {to.string() + ": " + errorText(errno)};
    return {};
}

void removeStrayTemporaries(const fs::path& folder,
                            const std::function<bool(std::string_view)>& isTarget) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto temporary = parseTemporaryName(name);
        if (!temporary || !isTarget(temporary->target) || processRuns(temporary->pid)) continue;
        if (isRegularFile(it->path())) ::unlink(it->path().c_str());
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), busy_(other.busy_), error_(std::move(other.error_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        busy_ = other.busy_;
        error_ = std::move(other.error_);
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    if (fd_ >= 0) ::close(fd_);  // closing the last descriptor drops the lock
    fd_ = -1;
}

FileLock FileLock::acquire(const fs::path& path, std::chrono::milliseconds wait) {
    FileLock lock;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        lock.error_ = path.string() + ": " + errorText(errno);
        return lock;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lock.fd_ = fd;
            return lock;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            lock.error_ = path.string() + ": " + errorText(errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            lock.busy_ = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::close(fd);
    return lock;
}

}  // namespace vernik
