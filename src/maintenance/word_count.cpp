#include "maintenance/word_count.h"

#include "lexicon/letter_files.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

LetterWordCount countFile(char letter, const std::optional<fs::path>& file) {
    LetterWordCount count{.letter = letter};
    if (!file) return count;
    LineReader reader(*file);
    bool emptyBefore = false;
    std::string_view line;
    while (reader.next(line, 1)) {
        if (line.empty()) {
            emptyBefore = true;
            continue;
        }
        if (emptyBefore) count.emptyLine = true;
        emptyBefore = false;
        if (line[0] == '.') {
            ++count.headwords;
        } else {
            ++count.alternatives;
        }
    }
    return count;
}

}  // namespace

std::vector<LetterWordCount> countLexiconWords(const std::string& folder) {
    std::vector<LetterWordCount> counts;
    for (char letter : kCountedLetters) {
        counts.push_back(countFile(letter, findLetterFile(folder, "", letter, LetterKind::Alt)));
    }
    return counts;
}

std::vector<std::string> wordCountReport(const std::vector<LetterWordCount>& counts) {
    std::vector<std::string> lines;
    long headwords = 0;
    long alternatives = 0;
    for (const LetterWordCount& count : counts) {
        std::string line = std::string(1, count.letter) + "  Uppslagsord     " +
                           std::to_string(count.headwords) + "   Utord    " +
                           std::to_string(count.alternatives);
        if (count.emptyLine) line += "  Inneh\xE5ller tomrad";
        lines.push_back(std::move(line));
        headwords += count.headwords;
        alternatives += count.alternatives;
    }
    lines.push_back("Summa  Uppslagsord     " + std::to_string(headwords) + "   Utord    " +
                    std::to_string(alternatives));
    return lines;
}

}  // namespace vernik
