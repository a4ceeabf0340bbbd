#include "lexicon/dictd_staging.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <optional>

#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

std::string failed(const fs::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

// The process id a staging folder name of the target holds: the digits after
// the prefix, up to the end or a "-" and more digits.
std::optional<pid_t> stagingPid(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return std::nullopt;
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    const std::string_view pidDigits = name.substr(0, dash);
    const std::string_view counter =
        dash == std::string_view::npos ? std::string_view("0") : name.substr(dash + 1);
    const auto allDigits = [](std::string_view text) {
        return !text.empty() && text.size() <= 10 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!allDigits(pidDigits) || !allDigits(counter)) return std::nullopt;
    const unsigned long long pid = std::stoull(std::string(pidDigits));
    if (pid == 0 || pid > INT_MAX) return std::nullopt;
    return static_cast<pid_t>(pid);
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string stagingPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".importing-";
}

std::size_t removeAbandonedStagingFolders(const fs::path& target) {
    const std::string prefix = stagingPrefix(target);
    std::size_t removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folderHolding(target), ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto pid = stagingPid(it->path().filename().string(), prefix);
        std::error_code statusError;
        const bool folder = it->symlink_status(statusError).type() == fs::file_type::directory;
        if (!pid || !folder || processRuns(*pid)) continue;
        std::error_code removeError;
        if (fs::remove_all(it->path(), removeError) > 0 && !removeError) ++removed;
    }
    return removed;
}

StagedFile::StagedFile(fs::path path) : path_(std::move(path)) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) error_ = errno;
    buffer_.reserve(kBufferSize);
}

StagedFile::~StagedFile() {
    if (fd_ >= 0) ::close(fd_);
}

void StagedFile::append(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kBufferSize) {
        flush();
        if (bytes.size() >= kBufferSize) {
            write(bytes);
            return;
        }
    }
    buffer_ += bytes;
}

void StagedFile::flush() {
    write(buffer_);
    buffer_.clear();
}

void StagedFile::write(std::string_view bytes) {
    if (error_ == 0 && !writeAll(fd_, bytes)) error_ = errno;
}

std::string StagedFile::close() {
    flush();
    if (fd_ >= 0 && ::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    return error_ == 0 ? std::string() : failed(path_, error_);
}

StagingFolder::~StagingFolder() {
    if (path_.empty()) return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string StagingFolder::create(const fs::path& target) {
    const std::string base = stagingPrefix(target) + std::to_string(::getpid());
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string name = attempt == 0 ? base : base + "-" + std::to_string(attempt);
        const fs::path candidate = folderHolding(target) / name;
        if (::mkdir(candidate.c_str(), 0777) == 0) {
            path_ = candidate;
            return {};
        }
        if (errno != EEXIST) return failed(candidate, errno);
    }
    return folderHolding(target).string() + ": cannot create a temporary folder";
}

// One syncfs brings every file written into the folder to disk at once; a
// sync per file would cost a journal commit each.
std::string StagingFolder::publish(const fs::path& target) {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return failed(path_, errno);
    const bool synced = ::syncfs(fd) == 0 && ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!synced) return failed(path_, syncError);
    if (::rename(path_.c_str(), target.c_str()) != 0) {
        if (errno == ENOTEMPTY || errno == EEXIST) {
            return target.string() + ": already exists and is not empty";
        }
        return failed(target, errno);
    }
    path_.clear();
    // The rename is done; syncing the parent makes it outlast a power cut.
    syncFolder(folderHolding(target));
    return {};
}

}  // namespace vernik
