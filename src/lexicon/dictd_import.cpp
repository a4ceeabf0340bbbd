#include "lexicon/dictd_import.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "lexicon/dictd_definition.h"
#include "lexicon/dictd_reader.h"
#include "lexicon/dictd_staging.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Calls `visit` with each line of `lines`, lines ended by CR LF.
template <typename Visit>
void forEachLine(std::string_view lines, Visit visit) {
    while (!lines.empty()) {
        const std::size_t end = lines.find(kLineEnd);
        visit(lines.substr(0, end));
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + kLineEnd.size());
    }
}

// Alternatives as the lines of an alt file, each once and ended by CR LF.
struct AlternativeLines {
    std::shared_ptr<const std::string> lines;
    std::size_t droppedCharacters = 0;
};

AlternativeLines joinedOnce(std::initializer_list<const DefinitionLines*> parts) {
    std::string lines;
    std::unordered_set<std::string_view> present;
    std::size_t dropped = 0;
    for (const DefinitionLines* part : parts) {
        dropped += part->droppedCharacters;
        for (const std::string& alternative : part->alternatives) {
            if (!present.insert(alternative).second) continue;
            lines += alternative;
            lines += kLineEnd;
        }
    }
    return {std::make_shared<const std::string>(std::move(lines)), dropped};
}

// Every index line that addresses the same bytes shares one parse of them and
// one copy of their alternatives.
class SharedDefinitions {
  public:
    explicit SharedDefinitions(const DictdDictionary& dictionary) : dictionary_(dictionary) {}

    // The alternatives `headword` gets from the definition of `entry`: the
    // first line left out when it is a heading for that headword.
    const AlternativeLines& alternativesFor(const DictdIndexEntry& entry,
                                            std::string_view headword) {
        const auto [at, added] = byPlace_.try_emplace({entry.offset, entry.length});
        if (added) at->second = split(dictionary_.definitionOf(entry));
        const Shared& shared = at->second;
        return isHeadingFor(shared.heading, headword) ? shared.withoutFirstLine
                                                      : shared.withFirstLine;
    }

  private:
    struct Shared {
        ParsedDefinition heading;  // only what decides whether the first line is a heading
        AlternativeLines withoutFirstLine;
        AlternativeLines withFirstLine;
    };

    // Joins only the alternatives some headword can get.
    static Shared split(std::string_view definition) {
        ParsedDefinition parsed = parseDefinition(definition);
        Shared shared;
        const bool headingForSome = parsed.firstLinePronounced || parsed.firstLineWord;
        const bool headingForAll = parsed.firstLinePronounced;
        if (headingForSome) shared.withoutFirstLine = joinedOnce({&parsed.rest});
        if (!headingForAll) shared.withFirstLine = joinedOnce({&parsed.firstLine, &parsed.rest});
        shared.heading.firstLinePronounced = parsed.firstLinePronounced;
        shared.heading.firstLineWord = std::move(parsed.firstLineWord);
        return shared;
    }

    struct PlaceHash {
        std::size_t operator()(const std::pair<std::uint64_t, std::uint64_t>& place) const {
            return std::hash<std::uint64_t>()(place.first * 0x9E3779B97F4A7C15ull ^ place.second);
        }
    };

    const DictdDictionary& dictionary_;
    std::unordered_map<std::pair<std::uint64_t, std::uint64_t>, Shared, PlaceHash> byPlace_;
};

// The alternatives of a headword that several index lines give: theirs in
// index order, each once.
struct MergedAlternatives {
    std::string lines;
    std::unordered_set<std::string> present;

    void add(std::string_view more) {
        forEachLine(more, [this](std::string_view line) {
            if (!present.emplace(line).second) return;
            lines += line;
            lines += kLineEnd;
        });
    }
};

struct LexiconEntry {
    char letter = '\0';                          // the letter whose files hold it
    std::string headwordLine;                    // "." + headword
    std::shared_ptr<const std::string> shared;   // the alternatives of its one index line
    std::unique_ptr<MergedAlternatives> merged;  // or those of several

    std::string_view alternatives() const { return merged ? merged->lines : *shared; }
};

bool isHeaderEntry(std::string_view headword) {
    return headword.starts_with("00database") || headword.starts_with("00-database");
}

// A letter file can hold a headword of a letter in its sequence that sorts
// before the end-of-file sentinel ("bÿÿÿ" would end the file early).
bool fitsALetterFile(char letter, std::string_view headwordLine) {
    static const CollationRank rank = identityCollationRank();
    return letter != '\0' && kLetterSequence.find(letter) != std::string_view::npos &&
           compareHeadwordLines(headwordLine, sentinelLine(letter), rank) < 0;
}

// The lexicon entries, one per headword, in index order.
class EntryCollector {
  public:
    EntryCollector(const DictdDictionary& dictionary, DictdImportResult& counts)
        : definitions_(dictionary), counts_(counts) {}

    void add(const DictdIndexEntry& entry) {
        if (isHeaderEntry(entry.headword)) {
            ++counts_.headerEntries;
            return;
        }
        const auto headword = lexiconHeadword(entry.headword);
        if (!headword) {
            ++counts_.withoutCp1252;
            return;
        }
        const char letter = initialLetter(*headword);
        if (!fitsALetterFile(letter, "." + *headword)) {
            ++counts_.withoutLetterFile;
            return;
        }
        const AlternativeLines& lines = definitions_.alternativesFor(entry, *headword);
        counts_.droppedCharacters += lines.droppedCharacters;
        addTo(letter, *headword, lines.lines);
    }

    std::vector<LexiconEntry> takeEntries() { return std::move(entries_); }

  private:
    void addTo(char letter, const std::string& headword,
               const std::shared_ptr<const std::string>& lines) {
        const auto [at, inserted] = indexOf_.try_emplace(headword, entries_.size());
        if (inserted) {
            entries_.push_back({letter, "." + headword, lines, nullptr});
            ++counts_.imported;
            return;
        }
        ++counts_.mergedDuplicates;
        LexiconEntry& entry = entries_[at->second];
        if (!entry.merged) {
            entry.merged = std::make_unique<MergedAlternatives>();
            entry.merged->add(*entry.shared);
            entry.shared.reset();
        }
        entry.merged->add(*lines);
    }

    SharedDefinitions definitions_;
    DictdImportResult& counts_;
    std::vector<LexiconEntry> entries_;
    std::unordered_map<std::string, std::size_t> indexOf_;
};

using LetterEntries = std::array<std::vector<const LexiconEntry*>, 256>;

// The entries of each letter in headword order; entries whose headword lines
// compare equal keep their index order.
LetterEntries entriesByLetter(const std::vector<LexiconEntry>& entries) {
    LetterEntries byLetter;
    for (const auto& entry : entries) {
        byLetter[static_cast<unsigned char>(entry.letter)].push_back(&entry);
    }
    const CollationRank rank = identityCollationRank();
    for (auto& letterEntries : byLetter) {
        std::stable_sort(letterEntries.begin(), letterEntries.end(),
                         [&rank](const LexiconEntry* a, const LexiconEntry* b) {
                             return compareHeadwordLines(a->headwordLine, b->headwordLine, rank) <
                                    0;
                         });
    }
    return byLetter;
}

std::string writeComFile(const fs::path& path, char letter) {
    StagedFile file(path);
    file.append(joinLinesCrLf(letterFileTemplate(letter)));
    return file.close();
}

// The bare letter entry comes first, so it stays ahead of an imported
// headword that compares equal to it.
std::string writeAltFile(const fs::path& path, char letter,
                         const std::vector<const LexiconEntry*>& entries) {
    const std::vector<std::string> frame = letterFileTemplate(letter);
    StagedFile file(path);
    file.append(joinLinesCrLf(std::vector<std::string>(frame.begin(), frame.begin() + 2)));
    for (const LexiconEntry* entry : entries) {
        file.append(entry->headwordLine);
        file.append(kLineEnd);
        file.append(entry->alternatives());
    }
    file.append(joinLinesCrLf(std::vector<std::string>(frame.begin() + 2, frame.end())));
    return file.close();
}

std::string writeLexicon(const fs::path& folder, const std::vector<LexiconEntry>& entries) {
    const LetterEntries byLetter = entriesByLetter(entries);
    const std::string name = folder.string();
    for (const char letter : kLetterSequence) {
        std::string error = writeComFile(letterFileName(name, "", letter, LetterKind::Com), letter);
        if (!error.empty()) return error;
        error = writeAltFile(letterFileName(name, "", letter, LetterKind::Alt), letter,
                             byLetter[static_cast<unsigned char>(letter)]);
        if (!error.empty()) return error;
    }
    return {};
}

// "out/" and "out/." name the folder "out".
fs::path targetFolder(const fs::path& outDir) {
    const fs::path normal = outDir.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

// The target must be named, must not exist or be an empty folder, and its
// parent must exist.
std::string checkTarget(const fs::path& target) {
    if (target.empty() || target.filename() == "." || target.filename() == "..") {
        return "\"" + target.string() + "\" names no new folder";
    }
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (!fs::exists(status)) {
        if (!fs::is_directory(folderHolding(target), ec)) {
            return folderHolding(target).string() + ": no such folder";
        }
        return {};
    }
    if (!fs::is_directory(status)) return target.string() + ": exists and is not a folder";
    const bool empty = fs::is_empty(target, ec);
    if (ec) return target.string() + ": " + ec.message();
    if (!empty) return target.string() + ": already exists and is not empty";
    return {};
}

DictdImportResult failure(std::string error) {
    DictdImportResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace

DictdImportResult importDictd(const fs::path& base, const fs::path& outDir) {
    const fs::path target = targetFolder(outDir);
    if (std::string error = checkTarget(target); !error.empty()) return failure(error);
    removeAbandonedStagingFolders(target);

    DictdImportResult result;
    std::vector<LexiconEntry> entries;
    {
        const DictdReadResult read = readDictd(base);
        if (!read.ok()) return failure(read.error);
        EntryCollector collector(read.dictionary, result);
        for (const DictdIndexEntry& entry : read.dictionary.entries) collector.add(entry);
        entries = collector.takeEntries();
    }

    StagingFolder staging;
    std::string error = staging.create(target);
    if (error.empty()) error = writeLexicon(staging.path(), entries);
    if (error.empty()) error = staging.publish(target);
    if (!error.empty()) return failure(error);
    return result;
}

}  // namespace vernik
