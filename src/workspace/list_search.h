#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Searching a word list for every line that contains a word.
namespace vernik {

inline constexpr std::string_view kListHitSeparator = "__________________";

struct ListSearchOutcome {
    bool fileFound = false;
    int hits = 0;
    std::vector<std::string> lines;  // what the comment box shows
};

// Every line L of the list file whose "." + L contains `word` (case-sensitive)
// is shown as "." + L, with the two lines before it when `showPreviousLines`,
// with the ten lines after it when it is short (shorter than the word plus
// ten characters), and followed by the separator line. Lines are read whole.
ListSearchOutcome searchList(const std::filesystem::path& listFile, std::string_view word,
                             bool showPreviousLines);

}  // namespace vernik
