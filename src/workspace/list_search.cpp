#include "workspace/list_search.h"

#include "platform/line_reader.h"

namespace vernik {
namespace {
constexpr int kLinesAfterShortHit = 10;

// Whether "." + line contains word: within the line, or from the dot on.
bool dottedLineContains(std::string_view line, std::string_view word) {
    if (line.find(word) != std::string_view::npos) return true;
    return !word.empty() && word[0] == '.' && line.starts_with(word.substr(1));
}
}  // namespace

ListSearchOutcome searchList(const std::filesystem::path& listFile, std::string_view word,
                             bool showPreviousLines) {
    ListSearchOutcome outcome;
    LineReader reader(listFile);
    if (!reader.isOpen()) return outcome;
    outcome.fileFound = true;

    std::string twoBack, oneBack, current;
    std::string_view line;
    while (reader.next(line, 0)) {
        if (showPreviousLines) {
            twoBack.swap(oneBack);
            oneBack.swap(current);
            current.assign(line);
        }
        if (!dottedLineContains(line, word)) continue;

        ++outcome.hits;
        if (showPreviousLines) {
            outcome.lines.push_back(twoBack);
            outcome.lines.push_back(oneBack);
        }
        outcome.lines.emplace_back(1, '.');
        outcome.lines.back().append(line);
        // A short line is a headword with little text: its following lines explain it.
        if (line.size() + 1 < word.size() + kLinesAfterShortHit) {
            for (int i = 0; i < kLinesAfterShortHit && reader.next(line, 0); ++i) {
                outcome.lines.emplace_back(line);
            }
        }
        outcome.lines.emplace_back(kListHitSeparator);
    }
    return outcome;
}

}  // namespace vernik
