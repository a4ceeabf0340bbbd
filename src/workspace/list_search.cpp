#include "workspace/list_search.h"

#include "platform/line_reader.h"

namespace vernik {
namespace {
constexpr int kLinesAfterShortHit = 10;
}

ListSearchOutcome searchList(const std::filesystem::path& listFile, std::string_view word,
                             bool showPreviousLines) {
    ListSearchOutcome outcome;
    LineReader reader(listFile);
    if (!reader.isOpen()) return outcome;
    outcome.fileFound = true;

    std::string twoBack, oneBack, current;
    std::string dotted;
    std::string_view line;
    while (reader.next(line, 0)) {
        if (showPreviousLines) {
            twoBack.swap(oneBack);
            oneBack.swap(current);
            current.assign(line);
        }
        dotted.assign(".");
        dotted.append(line);
        if (dotted.find(word) == std::string::npos) continue;

        ++outcome.hits;
        if (showPreviousLines) {
            outcome.lines.push_back(twoBack);
            outcome.lines.push_back(oneBack);
        }
        outcome.lines.push_back(dotted);
        // A short line is a headword with little text: its following lines explain it.
        if (dotted.size() < word.size() + kLinesAfterShortHit) {
            for (int i = 0; i < kLinesAfterShortHit && reader.next(line, 0); ++i) {
                outcome.lines.emplace_back(line);
            }
        }
        outcome.lines.emplace_back(kListHitSeparator);
    }
    return outcome;
}

}  // namespace vernik
