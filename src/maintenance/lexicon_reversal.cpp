#include "maintenance/lexicon_reversal.h"

#include <map>
#include <optional>

#include "lexicon/letter_files.h"
#include "maintenance/alt_entries.h"
#include "maintenance/batch_rewrite.h"
#include "maintenance/held_letter_file.h"
#include "maintenance/letter_file_rewrite.h"
#include "maintenance/word_list.h"
#include "platform/cp1252.h"

namespace vernik {

namespace {

constexpr std::size_t kLongestReversedWord = 250;

std::string shownName(const std::filesystem::path& path) {
    return cp1252FromUtf8Lossy(path.string());
}

struct SourceLetter {
    std::vector<AltEntry> entries;
    std::optional<std::string> message;
};

// The entries of a source letter; a missing file has none and no message.
SourceLetter readSourceLetter(const std::string& folder, char letter) {
    SourceLetter source;
    const auto file = findLetterFile(folder, "", letter, LetterKind::Alt);
    if (!file) return source;
    const auto bytes = readFileBytes(*file);
    if (bytes) source.entries = readAltEntries(splitLetterLines(*bytes));
    if (source.entries.empty())
        source.message = "Filen: " + shownName(*file) + " har inget uppslagsord";
    return source;
}

// Walks the source letters A to Z, reporting the progress of each.
template <typename Visit>
void forEachSourceLetter(const std::string& folder, const BatchProgress& progress,
                         BatchRunReport& report, Visit visit) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (progress) progress((letter - 'A') * 4);
        SourceLetter source = readSourceLetter(folder, letter);
        if (source.message) report.messages.push_back(*source.message);
        visit(source.entries);
    }
}

// The letter of the destination file a reversed alternative goes to.
char destinationLetter(const std::string& alternative, const SpecialAlphabet& special) {
    const auto first = static_cast<unsigned char>(alternative.front());
    if (special.foreignSpecial && first > 128) return static_cast<char>(first - special.shift);
    return upperCaseAscii(alternative.front());
}

struct Pair {
    std::string word;         // the alternative, the new headword
    std::string alternative;  // the old headword
};

// The pairs each destination letter file takes, in the order of the source.
using PairsByFile = std::map<std::filesystem::path, std::vector<Pair>>;

void writeDestination(const ReversalRequest& request, const PairsByFile& pairs,
                      BatchRunReport& report) {
    const FileLock lock = lockLexiconFolder(request.destinationFolder);
    if (!lock.held()) {
        report.error = "Mappen " + shownName(request.destinationFolder) + " kunde inte l\xE5sas";
        return;
    }
    for (const auto& filePairsOf : pairs) {
        const std::filesystem::path& file = filePairsOf.first;
        const std::vector<Pair>& filePairs = filePairsOf.second;
        const auto bytes = readFileBytes(file);
        if (!bytes) {
            report.error = "Filen " + shownName(file) + " kunde inte l\xE4sas";
            return;
        }
        HeldLetterFile held(splitLetterLines(*bytes), request.rank);
        std::size_t next = 0;
        const WriteResult written = writeBatchRewrite(
            file, *bytes, filePairs.size(),
            [&] {
                const Pair& pair = filePairs[next++];
                held.apply({.word = pair.word, .alt1 = pair.alternative, .batchOp = 'o'});
            },
            [&] { return held.lines(); });
        if (!written.ok()) {
            report.error = cp1252FromUtf8Lossy(written.error);
            return;
        }
    }
}

// An empty folder name is the current folder, as the letter files' paths say.
std::filesystem::path canonicalFolder(const std::string& folder, std::error_code& ec) {
    return std::filesystem::weakly_canonical(folder.empty() ? "." : folder, ec);
}

bool sameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    const auto first = canonicalFolder(a, ec);
    if (ec) return false;
    return first == canonicalFolder(b, ec) && !ec;
}

}  // namespace

WriteResult createLexiconFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return {.error = folder + ": " + ec.message()};
    return createMissingLetterFiles(folder);
}

bool isExcluded(const std::string& alternative, const std::array<std::string, 10>& excludedWords) {
    for (const auto& word : excludedWords) {
        if (word.empty() || !alternative.starts_with(word)) continue;
        if (alternative.size() == word.size()) return true;
        const char after = alternative[word.size()];
        if (after == ' ' || after == '/') return true;
    }
    return false;
}

BatchRunReport reverseLexicon(const ReversalRequest& request) {
    BatchRunReport report;
    if (sameFolder(request.sourceFolder, request.destinationFolder)) {
        report.error = "K\xE4llmappen och m\xE5lmappen \xE4r samma mapp";
        return report;
    }
    if (const WriteResult created = createLexiconFolder(request.destinationFolder); !created.ok()) {
        report.error = cp1252FromUtf8Lossy(created.error);
        return report;
    }
    PairsByFile pairs;
    forEachSourceLetter(request.sourceFolder, request.progress, report, [&](const auto& entries) {
        for (const AltEntry& entry : entries) {
            const std::string& headword = entry.headwordLine;
            if (headword.size() < 2) continue;
            std::vector<std::string> kept;
            for (const auto& alternative : entry.alternatives) {
                if (!isExcluded(alternative, request.excludedWords)) kept.push_back(alternative);
            }
            report.listLines.push_back(wordListLine(headword, kept));
            if (isSentinelHeadword(headword)) continue;
            const std::string reversed = headword.substr(1, kLongestReversedWord);
            for (const auto& alternative : kept) {
                const char letter = destinationLetter(alternative, request.special);
                const auto file =
                    findLetterFile(request.destinationFolder, "", letter, LetterKind::Alt);
                if (!file) {
                    ++report.droppedPairs;
                    continue;
                }
                pairs[*file].push_back({.word = alternative, .alternative = reversed});
            }
        }
    });
    writeDestination(request, pairs, report);
    return report;
}

BatchRunReport lexiconToList(const std::string& sourceFolder, const BatchProgress& progress) {
    BatchRunReport report;
    forEachSourceLetter(sourceFolder, progress, report, [&](const auto& entries) {
        for (const AltEntry& entry : entries) {
            const std::string part = alternativesPart(entry.alternatives);
            if (part.find("\xFF\xFF\xFF") != std::string::npos ||
                part.find(kSentinelFollower) != std::string::npos) {
                continue;
            }
            const bool bareLetter = entry.headwordLine.size() == 2 &&
                                    entry.alternatives.size() == 1 &&
                                    entry.alternatives.front() == entry.headwordLine.substr(1);
            if (bareLetter) continue;
            report.listLines.push_back(wordListLine(entry.headwordLine, entry.alternatives));
        }
    });
    return report;
}

}  // namespace vernik
