#pragma once

#include <filesystem>
#include <string>

namespace vernik::bench {

// Writes a sorted B alt file of `headwords` generated headwords with three
// alternatives each into `folder` and returns the last headword.
std::string writeLargeAltFile(const std::filesystem::path& folder, int headwords);

// A fresh folder under the temporary folder.
std::filesystem::path freshFolder(const std::string& name);

}  // namespace vernik::bench
