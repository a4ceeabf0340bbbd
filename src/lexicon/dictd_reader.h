#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Reading a dictd dictionary: the index BASE.index and the definitions in
// BASE.dict.dz (gzip) or BASE.dict (plain).
namespace vernik {

// One index entry and the definition it addresses, both as stored (UTF-8).
struct DictdEntry {
    std::string headword;
    std::string definition;
};

struct DictdReadResult {
    std::vector<DictdEntry> entries;  // in index order
    std::string error;                // empty on success; names the file and the problem
    bool ok() const { return error.empty(); }
};

// Reads every entry of the dictionary `base` (the path without ".index").
// Fails when a file is missing or unreadable, the compressed data is damaged
// or cut short, an index line does not parse or an entry points outside the
// definitions.
DictdReadResult readDictd(const std::filesystem::path& base);

}  // namespace vernik
