#pragma once

#include <filesystem>
#include <string>

namespace vernik::bench {

// The shape of a generated letter file of B.
struct LargeAltFileShape {
    int headwords = 200000;
    // Each headword has from `fewestAlternatives` to `mostAlternatives`
    // alternatives, spread evenly.
    int fewestAlternatives = 1;
    int mostAlternatives = 1;
};

// Writes a sorted B alt file of generated headwords ("bxx" and six digits)
// into `folder` and returns the last headword.
std::string writeLargeAltFile(const std::filesystem::path& folder,
                              const LargeAltFileShape& shape = {});
inline std::string writeLargeAltFile(const std::filesystem::path& folder, int headwords) {
    return writeLargeAltFile(folder, LargeAltFileShape{.headwords = headwords});
}

// A fresh folder under the temporary folder.
std::filesystem::path freshFolder(const std::string& name);

}  // namespace vernik::bench
