#pragma once

#include <filesystem>
#include <optional>

// Where the program's data (start text, manuals, code pages, language
// folders) lies, found from the place of the running executable.
namespace vernik {

// The file every data folder holds; a folder without it is not taken.
inline constexpr const char* kDataFolderMarker = "starttext.txt";

// The data folder for the executable at `executable`, looked for in order:
//   <dir>/data             the program unpacked into one folder
//   <dir>/../data          the build tree (build/data beside build/src, build/tools)
//   <dir>/../share/vernik  installed under a prefix (prefix/bin/vernik)
// where <dir> is the executable's folder. Nothing when none holds the marker.
std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& executable);

// The running executable's own path (from /proc/self/exe); empty when the
// system does not say.
std::filesystem::path currentExecutable();

}  // namespace vernik
