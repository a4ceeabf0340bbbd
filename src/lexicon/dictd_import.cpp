#include "lexicon/dictd_import.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <random>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "lexicon/dictd_definition.h"
#include "lexicon/dictd_reader.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "platform/files.h"

namespace vernik {
namespace {

struct LexiconEntry {
    char letter = '\0';        // the letter whose files hold it
    std::string headwordLine;  // "." + headword
    std::vector<std::string> alternatives;
    std::unordered_set<std::string> present;  // the alternatives, for merging
};

bool isHeaderEntry(std::string_view headword) {
    return headword.starts_with("00database") || headword.starts_with("00-database");
}

bool hasLetterFile(char letter) {
    return letter != '\0' && kLetterSequence.find(letter) != std::string_view::npos;
}

// The lexicon entries, one per headword, in index order.
class EntryCollector {
  public:
    explicit EntryCollector(DictdImportResult& counts) : counts_(counts) {}

    void add(const DictdEntry& entry) {
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
        if (!hasLetterFile(letter)) {
            ++counts_.withoutLetterFile;
            return;
        }
        DefinitionLines lines = alternativesOfDefinition(*headword, entry.definition);
        counts_.droppedCharacters += lines.droppedCharacters;
        appendAlternatives(entryOf(letter, *headword), std::move(lines.alternatives));
    }

    const std::vector<LexiconEntry>& entries() const { return entries_; }

  private:
    // The entry of `headword`, created on its first appearance.
    LexiconEntry& entryOf(char letter, const std::string& headword) {
        const auto [at, inserted] = indexOf_.try_emplace(headword, entries_.size());
        if (inserted) {
            entries_.push_back({letter, "." + headword, {}, {}});
            ++counts_.imported;
        } else {
            ++counts_.mergedDuplicates;
        }
        return entries_[at->second];
    }

    static void appendAlternatives(LexiconEntry& entry, std::vector<std::string> alternatives) {
        for (auto& alternative : alternatives) {
            if (entry.present.insert(alternative).second) {
                entry.alternatives.push_back(std::move(alternative));
            }
        }
    }

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

// The bare letter entry comes first, so it stays ahead of an imported
// headword that compares equal to it.
std::string altFileBytes(char letter, const std::vector<const LexiconEntry*>& entries) {
    const std::vector<std::string> frame = letterFileTemplate(letter);
    std::vector<std::string> lines(frame.begin(), frame.begin() + 2);
    for (const LexiconEntry* entry : entries) {
        lines.push_back(entry->headwordLine);
        lines.insert(lines.end(), entry->alternatives.begin(), entry->alternatives.end());
    }
    lines.insert(lines.end(), frame.begin() + 2, frame.end());
    return joinLinesCrLf(lines);
}

std::string writeLexicon(const fs::path& folder, const std::vector<LexiconEntry>& entries) {
    const LetterEntries byLetter = entriesByLetter(entries);
    const std::string name = folder.string();
    for (const char letter : kLetterSequence) {
        WriteResult written = writeFileReplacing(letterFileName(name, "", letter, LetterKind::Com),
                                                 joinLinesCrLf(letterFileTemplate(letter)));
        if (!written.ok()) return written.error;
        written =
            writeFileReplacing(letterFileName(name, "", letter, LetterKind::Alt),
                               altFileBytes(letter, byLetter[static_cast<unsigned char>(letter)]));
        if (!written.ok()) return written.error;
    }
    return {};
}

// "out/" and "out/." name the folder "out".
fs::path targetFolder(const fs::path& outDir) {
    const fs::path normal = outDir.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

fs::path parentOf(const fs::path& folder) {
    return folder.has_parent_path() ? folder.parent_path() : fs::path(".");
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
        if (!fs::is_directory(parentOf(target), ec)) {
            return parentOf(target).string() + ": no such folder";
        }
        return {};
    }
    if (!fs::is_directory(status)) return target.string() + ": exists and is not a folder";
    const bool empty = fs::is_empty(target, ec);
    if (ec) return target.string() + ": " + ec.message();
    if (!empty) return target.string() + ": already exists and is not empty";
    return {};
}

// A folder beside the target that becomes the target only once it is
// complete; it is removed with everything in it unless published.
class StagingFolder {
  public:
    StagingFolder() = default;
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    ~StagingFolder() {
        if (path_.empty()) return;
        std::error_code ec;
        fs::remove_all(path_, ec);
    }

    const fs::path& path() const { return path_; }

    std::string create(const fs::path& target) {
        std::random_device random;
        const std::string prefix = "." + target.filename().string() + ".importing-";
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = parentOf(target) / (prefix + std::to_string(random()));
            if (::mkdir(candidate.c_str(), 0777) == 0) {
                path_ = candidate;
                return {};
            }
            if (errno != EEXIST) return candidate.string() + ": " + std::strerror(errno);
        }
        return parentOf(target).string() + ": cannot create a temporary folder";
    }

    // Renames the folder to `target`, which may be an empty folder.
    std::string publish(const fs::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            if (errno == ENOTEMPTY || errno == EEXIST) {
                return target.string() + ": already exists and is not empty";
            }
            return target.string() + ": " + std::strerror(errno);
        }
        path_.clear();
        return {};
    }

  private:
    fs::path path_;
};

DictdImportResult failure(std::string error) {
    DictdImportResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace

DictdImportResult importDictd(const fs::path& base, const fs::path& outDir) {
    const fs::path target = targetFolder(outDir);
    if (std::string error = checkTarget(target); !error.empty()) return failure(error);

    DictdReadResult dictionary = readDictd(base);
    if (!dictionary.ok()) return failure(dictionary.error);

    DictdImportResult result;
    EntryCollector collector(result);
    for (const DictdEntry& entry : dictionary.entries) collector.add(entry);
    dictionary.entries.clear();

    StagingFolder staging;
    std::string error = staging.create(target);
    if (error.empty()) error = writeLexicon(staging.path(), collector.entries());
    if (error.empty()) error = staging.publish(target);
    if (!error.empty()) return failure(error);
    return result;
}

}  // namespace vernik
