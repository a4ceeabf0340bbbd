#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vernik {

namespace fs = std::filesystem;

bool isRegularFile(const fs::path& path);

// The folder part of a path, without a trailing "/"; empty when the path
// names no folder ("brev.txt").
std::string folderPart(const fs::path& path);

// The folder that holds `path`: its folder part, or "." when it has none.
fs::path folderHolding(const fs::path& path);

// The current folder, or "." when it cannot be found.
std::string currentFolder();

// The path itself when it names a file; otherwise a file in the same folder
// whose name differs only in letter case (so lexicon folders copied from
// systems that ignore case still work).
std::optional<fs::path> findFileIgnoringCase(const fs::path& path);

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

}  // namespace vernik
