#include "maintenance/list_insertion.h"

#include <algorithm>
#include <map>
#include <optional>

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
    bool write(std::string line) {
        if (line.empty() || (!out_.empty() && line == out_.back())) return false;
        return always(std::move(line));
    }
    bool always(std::string line) {
        out_.push_back(std::move(line));
        return true;
    }
    std::vector<std::string> take() { return std::move(out_); }

  private:
    std::vector<std::string> out_;
};

// One list line sorted into the lines of a letter file. The lines are read
// from `begin` on and moved into the result as they are copied.
class Insertion {
  public:
    Insertion(std::vector<std::string>& lines, const WordListEntry& entry, bool mark)
        : lines_(lines), mark_(mark) {
        head_ = entry.head.substr(0, kLongestText);
        const std::size_t count = std::min(entry.alternatives.size(), kMostAlternatives);
        for (std::size_t i = 0; i < count; ++i) {
            alternatives_.push_back(entry.alternatives[i].substr(0, kLongestText));
        }
        lowerHead_ = lowerCase(head_);
    }

    // The first line at which the search stops, if any.
    std::optional<std::size_t> stop() const {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (stopsAt(lines_[i])) return i;
        }
        return std::nullopt;
    }

    struct Pass {
        std::vector<std::string> lines;  // what takes the place of the lines read
        std::size_t end;                 // the index after the last line read
    };

    // Copies from `begin` on. With `untilSettled`, stops after the first line
    // copied as it stood once the entry is in: in a file whose empty lines
    // and repeats are gone already, every later line stays as it is.
    Pass run(std::size_t begin, bool untilSettled) {
        DedupWriter out(lines_.size() - begin + alternatives_.size() + 1);
        std::size_t i = begin;
        for (; i < lines_.size(); ++i) {
            std::string& line = lines_[i];
            if (searching_ && stopsAt(line)) {
                searching_ = false;
                if (isHeadOf(line)) {
                    i = mergeInto(i, out);
                    continue;
                }
                writeNewEntry(out);
            }
            const bool written =
                i + 1 == lines_.size() ? out.always(std::move(line)) : out.write(std::move(line));
            if (untilSettled && !searching_ && written) {
                ++i;
                break;
            }
        }
        // No headword stopped the search: the entry closes the file.
        if (searching_) writeNewEntry(out);
        return {out.take(), i};
    }

  private:
    bool stopsAt(const std::string& line) const {
        return isHeadwordLine(line) && (isHeadOf(line) || !sortsBefore(line, head_));
    }

    bool isHeadOf(const std::string& line) const {
        if (line.size() == 2 && head_.size() == 1) return true;
        const std::string_view trimmed = trimmedHeadword(line);
        return std::equal(trimmed.begin(), trimmed.end(), lowerHead_.begin(), lowerHead_.end(),
                          [](char a, char b) { return lowerCase(a) == b; });
    }

    std::string marked(const std::string& alternative) const {
        return mark_ ? std::string(1, kNewWordMark) + alternative : alternative;
    }

    void writeNewEntry(DedupWriter& out) {
        if (alternatives_.empty()) return;
        out.write("." + head_);
        for (const auto& alternative : alternatives_) out.write(marked(alternative));
    }

    // The headword at `at` takes the listed alternatives it lacks, after its
    // own. Returns the index of its last line.
    std::size_t mergeInto(std::size_t at, DedupWriter& out) {
        std::size_t i = at;
        do {
            const std::string present = trimHeadword(lines_[i]);
            if (i > at) {
                std::erase_if(alternatives_,
                              [&](const std::string& a) { return trimHeadword(a) == present; });
            }
            i + 1 == lines_.size() ? out.always(std::move(lines_[i]))
                                   : out.write(std::move(lines_[i]));
            ++i;
        } while (i < lines_.size() && !isHeadwordLine(lines_[i]));
        for (const auto& alternative : alternatives_) out.write(marked(alternative));
        return i - 1;
    }

    std::vector<std::string>& lines_;
    const bool mark_;
    std::string head_;
    std::string lowerHead_;
    std::vector<std::string> alternatives_;
    bool searching_ = true;
};

// Whether no line but the last is empty or repeats the one before, so that a
// rewrite of the whole file would copy every line as it stands.
bool isSettled(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].empty() || (i > 0 && lines[i] == lines[i - 1])) return false;
    }
    return true;
}

// A letter file held in memory while a list is sorted into it. The first
// line sorted in rewrites the whole file (its empty lines and repeats go);
// after that each line changes only the lines around its place. An entry
// added behind a kept empty or repeated last line leaves that line inside the
// file, where only another whole rewrite drops it.
class HeldListFile {
  public:
    explicit HeldListFile(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    void insert(const WordListEntry& entry, bool mark) {
        Insertion insertion(lines_, entry, mark);
        const auto stop = tidy_ ? insertion.stop() : std::nullopt;
        if (!stop) {
            lines_ = insertion.run(0, false).lines;
            tidy_ = isSettled(lines_);
            return;
        }
        const std::size_t begin = *stop > 0 ? *stop - 1 : 0;
        Insertion::Pass pass = insertion.run(begin, true);
        const auto from = lines_.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto to = lines_.begin() + static_cast<std::ptrdiff_t>(pass.end);
        const std::size_t replaced = pass.end - begin;
        const std::size_t common = std::min(replaced, pass.lines.size());
        std::move(pass.lines.begin(), pass.lines.begin() + static_cast<std::ptrdiff_t>(common),
                  from);
        if (pass.lines.size() > replaced) {
            lines_.insert(
                to,
                std::make_move_iterator(pass.lines.begin() + static_cast<std::ptrdiff_t>(common)),
                std::make_move_iterator(pass.lines.end()));
        } else {
            lines_.erase(from + static_cast<std::ptrdiff_t>(common), to);
        }
    }

    const std::vector<std::string>& lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
    bool tidy_ = false;
};

}  // namespace

std::vector<std::string> insertListEntry(std::vector<std::string> lines, const WordListEntry& entry,
                                         bool markNewWords) {
    return Insertion(lines, entry, markNewWords).run(0, false).lines;
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
    for (const auto& entriesOf : entriesByFile) {
        const std::filesystem::path& file = entriesOf.first;
        const std::vector<WordListEntry>& entries = entriesOf.second;
        const auto original = readFileBytes(file);
        if (!original) {
            report.error = "Filen " + cp1252FromUtf8Lossy(file.string()) + " kunde inte l\xE4sas";
            return report;
        }
        HeldListFile held(splitLetterLines(*original));
        std::size_t next = 0;
        const WriteResult written = writeBatchRewrite(
            file, *original, entries.size(), [&] { held.insert(entries[next++], markNewWords); },
            [&] { return held.lines(); });
        if (!written.ok()) {
            report.error = cp1252FromUtf8Lossy(written.error);
            return report;
        }
    }
    return report;
}

}  // namespace vernik
