#include "large_lexicon.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "platform/files.h"

namespace vernik::bench {

std::filesystem::path freshFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string writeLargeAltFile(const std::filesystem::path& folder, const LargeAltFileShape& shape) {
    std::vector<std::string> words;
    words.reserve(shape.headwords);
    char buffer[32];
    for (int i = 0; i < shape.headwords; ++i) {
        // Spread the words over the alphabet so that prefixes vary.
        std::snprintf(buffer, sizeof buffer, "b%c%c%06d", 'a' + i % 26, 'a' + (i / 26) % 26, i);
        words.push_back(buffer);
    }
    std::sort(words.begin(), words.end());
    std::vector<std::string> lines = {".B", "B"};
    const int spread = shape.mostAlternatives - shape.fewestAlternatives + 1;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        lines.push_back("." + word);
        const int alternatives = shape.fewestAlternatives + static_cast<int>(i * 7 % spread);
        for (int k = 1; k <= alternatives; ++k) {
            lines.push_back(k == 1 ? "alt " + word.substr(3)
                                   : "alternative " + std::to_string(k) + " of " + word);
        }
    }
    lines.push_back(sentinelLine('B'));
    lines.push_back(std::string(kSentinelFollower));
    writeFileReplacing(folder / "Balt.lex", joinLinesCrLf(lines));
    return words.back();
}

}  // namespace vernik::bench
