#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Building a lexicon folder from a dictd dictionary.
namespace vernik {

// What an import did. Every index entry is counted once: imported +
// mergedDuplicates + headerEntries + withoutCp1252 + withoutLetterFile is the
// number of entries in the index. The counts mean nothing when `error` is set.
struct DictdImportResult {
    std::size_t imported = 0;           // headwords written, each once
    std::size_t mergedDuplicates = 0;   // entries joined to an earlier one of the same headword
    std::size_t headerEntries = 0;      // the dictionary's own "00database..." entries
    std::size_t withoutCp1252 = 0;      // headwords with a character Windows-1252 lacks
    std::size_t withoutLetterFile = 0;  // headwords no letter file can hold (see below)
    std::size_t droppedCharacters = 0;  // characters of alternatives without a Windows-1252 form
    std::string error;                  // empty on success; names the file and the problem
    bool ok() const { return error.empty(); }
};

// A letter file can hold a headword whose initial letter is one of the letter
// sequence and that sorts before the file's end-of-file sentinel.
//
// Writes the complete lexicon folder `outDir` from the dictd dictionary
// `base` (BASE.index with BASE.dict.dz or BASE.dict): the template com file of
// every letter and an alt file holding the bare letter entry, the letter's
// entries in headword order and the end-of-file sentinel. `outDir` must not
// exist or be an empty folder. The lexicon is written into a temporary folder
// beside it, brought to disk and renamed into place at the end, so a failure
// leaves nothing behind; temporary folders of `outDir` that killed imports
// left behind are removed first.
DictdImportResult importDictd(const std::filesystem::path& base,
                              const std::filesystem::path& outDir);

}  // namespace vernik
