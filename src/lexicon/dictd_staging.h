#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The hidden folder an import writes its lexicon into before it becomes the
// target folder with one rename.
namespace vernik {

// ".NAME.importing-PID" beside the target NAME, with "-K" appended when the
// process runs more than one import into NAME at a time.
std::string stagingPrefix(const std::filesystem::path& target);

// Removes the staging folders of `target` left behind by imports whose
// process no longer runs (killed, or crashed); those of running processes and
// every other name stay. Returns how many were removed.
std::size_t removeAbandonedStagingFolders(const std::filesystem::path& target);

// Writes one new file, buffered; nothing reaches the disk for certain until
// StagingFolder::publish.
class StagedFile {
  public:
    explicit StagedFile(std::filesystem::path path);
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    void append(std::string_view bytes);
    // Writes what is buffered and closes the file; the first error of the
    // file, naming it, or empty.
    std::string close();

  private:
    void flush();
    void write(std::string_view bytes);

    std::filesystem::path path_;
    int fd_ = -1;
    int error_ = 0;
    std::string buffer_;
};

// A folder beside the target that becomes the target only once it is
// complete; it is removed with everything in it unless published.
class StagingFolder {
  public:
    StagingFolder() = default;
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    ~StagingFolder();

    const std::filesystem::path& path() const { return path_; }

    // Creates this process's staging folder for `target`.
    std::string create(const std::filesystem::path& target);

    // Brings every file of the folder and the folder itself to disk, then
    // renames the folder to `target`, which may be an empty folder.
    std::string publish(const std::filesystem::path& target);

  private:
    std::filesystem::path path_;
};

}  // namespace vernik
