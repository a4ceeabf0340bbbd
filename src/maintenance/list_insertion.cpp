#include "maintenance/list_insertion.h"

#include <algorithm>
#include <map>

#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "maintenance/batch_rewrite.h"
#include "maintenance/letter_file_rewrite.h"
#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik {

namespace {

constexpr std::size_t kShortestListLine = 4;
constexpr std::size_t kLongestText = 250;
constexpr std::size_t kMostAlternatives = 100;

bool isHeadwordLine(const std::string& line) {
    return !line.empty() && line[0] == '.';
}

// Whether the headword of `line` sorts before `head`, by plain byte values
// from the second character on; a head of one character stops no search.
bool sortsBefore(const std::string& line, const std::string& head) {
    if (head.size() < 2) return true;
    const std::string_view headword = std::string_view(line).substr(1);
    const std::size_t common = std::min(head.size(), headword.size());
    for (std::size_t p = 1; p < common; ++p) {
        const auto h = static_cast<unsigned char>(headword[p]);
        const auto w = static_cast<unsigned char>(head[p]);
        if (h != w) return h < w;
    }
    return headword.size() < head.size();
}

// Writes lines, leaving out empty ones and one equal to the line before.
class DedupWriter {
  public:
    explicit DedupWriter(std::size_t expected) { out_.reserve(expected); }
    void write(std::string line) {
        if (line.empty() || line == last_) return;
        always(std::move(line));
    }
    void always(std::string line) {
        last_ = line;
        out_.push_back(std::move(line));
    }
    std::vector<std::string> take() { return std::move(out_); }

  private:
    std::vector<std::string> out_;
    std::string last_;
};

class Insertion {
  public:
    Insertion(std::vector<std::string> lines, const WordListEntry& entry, bool mark)
        : lines_(std::move(lines)),
          out_(lines_.size() + entry.alternatives.size() + 1),
          mark_(mark) {
        head_ = entry.head.substr(0, kLongestText);
        const std::size_t count = std::min(entry.alternatives.size(), kMostAlternatives);
        for (std::size_t i = 0; i < count; ++i) {
            alternatives_.push_back(entry.alternatives[i].substr(0, kLongestText));
        }
        lowerHead_ = lowerCase(head_);
    }

    std::vector<std::string> run() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            std::string& line = lines_[i];
            const bool last = i + 1 == lines_.size();
            if (searching_ && isHeadwordLine(line)) {
                const bool found = isHeadOf(line);
                if (found || !sortsBefore(line, head_)) {
                    searching_ = false;
                    if (found) {
                        i = mergeInto(i);
                        continue;
                    }
                    writeNewEntry();
                }
            }
            if (last) {
                out_.always(std::move(line));
            } else {
                out_.write(std::move(line));
            }
        }
        // No headword stopped the search: the entry closes the file.
        if (searching_) writeNewEntry();
        return out_.take();
    }

  private:
    bool isHeadOf(const std::string& line) const {
        if (line.size() == 2 && head_.size() == 1) return true;
        return lowerCase(trimHeadword(line)) == lowerHead_;
    }

    std::string marked(const std::string& alternative) const {
        return mark_ ? std::string(1, kNewWordMark) + alternative : alternative;
    }

    void writeNewEntry() {
        if (alternatives_.empty()) return;
        out_.write("." + head_);
        for (const auto& alternative : alternatives_) out_.write(marked(alternative));
    }

    // The headword at `at` takes the listed alternatives it lacks, after its
    // own. Returns the index of its last line.
    std::size_t mergeInto(std::size_t at) {
        const bool lastLine = at + 1 == lines_.size();
        lastLine ? out_.always(std::move(lines_[at])) : out_.write(std::move(lines_[at]));
        std::size_t i = at + 1;
        for (; i < lines_.size() && !isHeadwordLine(lines_[i]); ++i) {
            const std::string present = trimHeadword(lines_[i]);
            std::erase_if(alternatives_,
                          [&](const std::string& a) { return trimHeadword(a) == present; });
            i + 1 == lines_.size() ? out_.always(std::move(lines_[i]))
                                   : out_.write(std::move(lines_[i]));
        }
        for (const auto& alternative : alternatives_) out_.write(marked(alternative));
        return i - 1;
    }

    std::vector<std::string> lines_;
    DedupWriter out_;
    const bool mark_;
    std::string head_;
    std::string lowerHead_;
    std::vector<std::string> alternatives_;
    bool searching_ = true;
};

}  // namespace

std::vector<std::string> insertListEntry(std::vector<std::string> lines, const WordListEntry& entry,
                                         bool markNewWords) {
    return Insertion(std::move(lines), entry, markNewWords).run();
}

BatchRunReport insertWordList(const std::string& listFile, const std::string& lexiconFolder,
                              bool markNewWords, const BatchProgress& progress) {
    BatchRunReport report;
    const auto bytes = isRegularFile(listFile) ? readFileBytes(listFile) : std::nullopt;
    if (!bytes) {
        report.messages.emplace_back("K\xE4llfilen finns inte");
        return report;
    }
    if (const WriteResult created = createLexiconFolder(lexiconFolder); !created.ok()) {
        report.error = cp1252FromUtf8Lossy(created.error);
        return report;
    }
    std::map<std::filesystem::path, std::vector<WordListEntry>> entriesByFile;
    for (const std::string& line : listFileLines(*bytes)) {
        if (line.size() < kShortestListLine) continue;
        WordListEntry entry = readWordListLine(line);
        const char letter = initialLetter(entry.head);
        if (progress) progress((static_cast<unsigned char>(letter) - 65) * 4);
        const auto file = findLetterFile(lexiconFolder, "", letter, LetterKind::Alt);
        if (!file) {
            ++report.droppedPairs;
            continue;
        }
        entriesByFile[*file].push_back(std::move(entry));
    }
    const FileLock lock = lockLexiconFolder(lexiconFolder);
    if (!lock.held()) {
        report.error = "Mappen " + cp1252FromUtf8Lossy(lexiconFolder) + " kunde inte l\xE5sas";
        return report;
    }
    for (const auto& [file, entries] : entriesByFile) {
        const auto original = readFileBytes(file);
        if (!original) {
            report.error = "Filen " + cp1252FromUtf8Lossy(file.string()) + " kunde inte l\xE4sas";
            return report;
        }
        std::vector<std::string> lines = splitLetterLines(*original);
        std::size_t next = 0;
        const WriteResult written = writeBatchRewrite(
            file, *original, entries.size(),
            [&] { lines = insertListEntry(std::move(lines), entries[next++], markNewWords); },
            [&] { return lines; });
        if (!written.ok()) {
            report.error = cp1252FromUtf8Lossy(written.error);
            return report;
        }
    }
    return report;
}

}  // namespace vernik
