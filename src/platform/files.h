#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace vernik {

namespace fs = std::filesystem;

bool isRegularFile(const fs::path& path);

// No write permission for its owner, or none for this process.
bool isWriteProtected(const fs::path& path);

// Writes all of `bytes` to `fd`, going on after interrupted writes. False
// with errno set when a write fails.
bool writeAll(int fd, std::string_view bytes);

// Whether a process of that id exists (one of another user counts too).
bool processRuns(pid_t pid);

// The folder part of a path, without a trailing "/"; empty when the path
// names no folder ("brev.txt").
std::string folderPart(const fs::path& path);

// The folder that holds `path`: its folder part, or "." when it has none.
fs::path folderHolding(const fs::path& path);

// The current folder, or "." when it cannot be found.
std::string currentFolder();

// `name` as an entry directly inside `folder`, or nothing when the name could
// reach elsewhere: empty, ".", "..", or holding "/", "\\" or a NUL byte. Text
// typed by a user or read from a file goes through here before it becomes
// part of a path.
std::optional<fs::path> childPath(const fs::path& folder, std::string_view name);

// The path itself when it names a file; otherwise a file in the same folder
// whose name differs only in letter case (so lexicon folders copied from
// systems that ignore case still work).
std::optional<fs::path> findFileIgnoringCase(const fs::path& path);

// A file name (UTF-8) with ASCII letters and the Latin-1 capitals
// lower-cased: names that differ only in letter case fold alike.
std::string foldNameCase(std::string_view name);

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const fs::path& path);

// Lines joined with CR LF, each line ended.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// The outcome of a write: empty `error` means success.
struct WriteResult {
    std::string error;
    bool ok() const { return error.empty(); }
};

// Writes a new file beside `path`, flushes it to disk and renames it over
// `path`; on any failure the old file is left as it was.
WriteResult writeFileReplacing(const fs::path& path, std::string_view bytes);

// The two halves of writeFileReplacing, for writers that do more between
// them. The temporary name is `path` + ".new-" + the writer's process id.
fs::path temporaryFileName(const fs::path& path);
// Creates temporaryFileName(path) for writing, with the permissions of the
// file at `path` (0644 when there is none), so that the replaced file keeps
// its mode. Returns the descriptor, or -1 with errno set.
int createTemporaryFile(const fs::path& path);
// Writes and flushes `bytes` as temporaryFileName(path); removes it again
// when that fails.
WriteResult writeTemporaryFile(const fs::path& path, std::string_view bytes);
// Renames `from` over `to`.
WriteResult renameReplacing(const fs::path& from, const fs::path& to);

// Removes the temporaries left in `folder` by writers whose process no longer
// runs, for the targets whose file name `isTarget` accepts. A writer killed
// between writing and renaming leaves such a file.
void removeStrayTemporaries(const fs::path& folder,
                            const std::function<bool(std::string_view)>& isTarget);

// An exclusive advisory lock (flock) on a file, held while the object lives.
class FileLock {
  public:
    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool held() const { return fd_ >= 0; }
    // Another holder kept the lock for the whole wait.
    bool busy() const { return busy_; }
    // Why the lock file could not be opened, when it could not.
    const std::string& error() const { return error_; }

    // Locks `path`, creating it when missing; while another open description
    // holds the lock, tries again until `wait` has passed.
    static FileLock acquire(const fs::path& path, std::chrono::milliseconds wait);

  private:
    void release();

    int fd_ = -1;
    bool busy_ = false;
    std::string error_;
};

}  // namespace vernik
