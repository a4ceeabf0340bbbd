#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vernik {

inline constexpr int kLexiconViewLinesAfter = 100;

// The lexicon around a headword: each line of the alt file equal to
// `headwordLine`, with the 100 lines that follow it (fewer at the end of the
// file). Empty when the file cannot be read.
std::vector<std::string> lexiconViewLines(const std::filesystem::path& altFile,
                                          std::string_view headwordLine);

}  // namespace vernik
