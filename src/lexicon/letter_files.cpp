#include "lexicon/letter_files.h"

#include "lexicon/letters.h"
#include "platform/cp1252.h"

namespace vernik {

std::string_view kindSuffix(LetterKind kind) {
    switch (kind) {
        case LetterKind::Alt:
            return "alt.lex";
        case LetterKind::Com:
            return "com.lex";
        case LetterKind::List:
            return "list.lex";
    }
    return "alt.lex";
}

fs::path letterFileName(const std::string& folder, std::string_view supplement, char letter,
                        LetterKind kind) {
    std::string name = utf8FromCp1252(std::string_view(&letter, 1));
    name += kindSuffix(kind);
    return childPath(folder + std::string(supplement), name).value_or(fs::path());
}

std::optional<fs::path> findLetterFile(const std::string& folder, std::string_view supplement,
                                       char letter, LetterKind kind) {
    const fs::path name = letterFileName(folder, supplement, letter, kind);
    if (name.empty()) return std::nullopt;
    return findFileIgnoringCase(name);
}

FileLock lockLexiconFolder(const fs::path& folder, std::chrono::milliseconds wait) {
    return FileLock::acquire(folder / std::string(kLexiconLockName), wait);
}

std::string sentinelLine(char letter) {
    std::string line = ".";
    line += lowerCase(letter);
    line += "\xFF\xFF\xFF";
    return line;
}

std::vector<std::string> letterFileTemplate(char letter) {
    return {std::string(".") + letter, std::string(1, letter), sentinelLine(letter),
            std::string(kSentinelFollower)};
}

bool isLexiconFolder(const std::string& folder) {
    return findLetterFile(folder, "", 'A', LetterKind::Alt).has_value();
}

bool isListFolder(const std::string& folder) {
    return findLetterFile(folder, "", 'A', LetterKind::List).has_value();
}

WriteResult createMissingLetterFiles(const std::string& folder) {
    for (char letter = 'A'; letter != '['; letter = nextLetter(letter)) {
        for (LetterKind kind : {LetterKind::Com, LetterKind::Alt}) {
            if (findLetterFile(folder, "", letter, kind)) continue;
            WriteResult result = writeFileReplacing(letterFileName(folder, "", letter, kind),
                                                    joinLinesCrLf(letterFileTemplate(letter)));
            if (!result.ok()) return result;
        }
    }
    return {};
}

}  // namespace vernik
