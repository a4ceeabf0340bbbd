#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Reading a dictd dictionary: the index BASE.index and the definitions in
// BASE.dict.dz (gzip) or BASE.dict (plain).
namespace vernik {

// One index line: a headword (UTF-8, as stored) and where its definition lies.
// Several lines may address the same definition.
struct DictdIndexEntry {
    std::string headword;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

struct DictdDictionary {
    std::string definitions;               // every definition byte, unpacked
    std::vector<DictdIndexEntry> entries;  // in index order; each lies inside `definitions`

    std::string_view definitionOf(const DictdIndexEntry& entry) const {
        return std::string_view(definitions).substr(entry.offset, entry.length);
    }
};

struct DictdReadResult {
    DictdDictionary dictionary;
    std::string error;  // empty on success; names the file and the problem
    bool ok() const { return error.empty(); }
};

// No dictionary file larger than this is read, and no definitions that unpack
// to more.
inline constexpr std::uint64_t kMaxDictdBytes = std::uint64_t{1} << 30;

// The most bytes that `packedSize` bytes of gzip data may unpack to: far
// beyond what text gives, far below what a decompression bomb gives.
std::uint64_t maxUnpackedSize(std::uint64_t packedSize);

// Reads the dictionary `base` (the path without ".index").
// Fails when a file is missing, unreadable or too large, the compressed data
// is damaged, cut short or unpacks to more than maxUnpackedSize, an index
// line does not parse or an entry points outside the definitions.
DictdReadResult readDictd(const std::filesystem::path& base);

// The same over file contents already in memory; the paths only name the
// files in messages.
struct DictdFiles {
    std::string_view index;
    std::filesystem::path indexPath;
    std::string_view data;  // the definitions file as stored
    std::filesystem::path dataPath;
    bool compressed = false;  // `data` is gzip
};
DictdReadResult readDictd(const DictdFiles& files);

}  // namespace vernik
