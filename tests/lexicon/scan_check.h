#pragma once

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/headword_scan.h"
#include "platform/line_reader.h"
#include "platform/reference_lines.h"

// Generated letter files of B for comparing the scan's passing over of lines
// with the plain line by line scan.
namespace scan_check {

// A few letters that share beginnings, a blank for phrases, and the
// sentinel's byte.
inline std::string generatedWord(std::mt19937& random, std::size_t length) {
    static constexpr char kLetters[] = {'a', 'b', 'c', 'z', ' ', '\xFF'};
    std::string word(1, random() % 4 ? 'b' : 'B');
    while (word.size() < length) word += kLetters[random() % sizeof kLetters];
    return word;
}

// An alt or com file: headwords (some sorted, some not, some as short as "."
// or ".b"), alternatives, empty lines, maybe the sentinel, one kind of line
// end or a mixture.
inline std::string generatedLetterFile(std::mt19937& random, int entries) {
    std::vector<std::string> headwords;
    for (int i = 0; i < entries; ++i) {
        const int kind = static_cast<int>(random() % 12);
        headwords.push_back(kind == 0 ? "." : "." + generatedWord(random, 1 + random() % 5));
    }
    if (random() % 3 != 0) {
        std::sort(headwords.begin(), headwords.end(), [](const auto& a, const auto& b) {
            return a.size() > 2 && b.size() > 2 ? a.substr(2) < b.substr(2) : a.size() < b.size();
        });
    }
    std::vector<std::string> lines;
    if (random() % 4 != 0) lines = {".B", "B"};
    for (const auto& headword : headwords) {
        lines.push_back(headword);
        for (int alternatives = static_cast<int>(random() % 4); alternatives > 0; --alternatives) {
            lines.push_back(random() % 5 == 0 ? "" : "alt" + generatedWord(random, random() % 4));
        }
    }
    if (random() % 3 != 0) {
        lines.insert(lines.end(), {".b\xFF\xFF\xFF", "Filslutsindikering", ".bzz", "after"});
    }
    static constexpr const char* kLineEnds[] = {"\n", "\r\n", "\r"};
    const int fileKind = static_cast<int>(random() % 4);
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += kLineEnds[fileKind < 3 ? fileKind : static_cast<int>(random() % 3)];
    }
    if (random() % 4 == 0 && !bytes.empty()) bytes.pop_back();  // the last line end cut short
    return bytes;
}

// Ranks that are not byte order: reversed, or with many ties.
inline vernik::CollationRank generatedRank(std::mt19937& random) {
    vernik::CollationRank rank{};
    const bool reversed = random() % 2;
    for (int byte = 0; byte < 256; ++byte) {
        rank[byte] = reversed ? 255 - byte : static_cast<int>(random() % 8);
    }
    return rank;
}

inline std::string tableText(const vernik::AltTable& table) {
    std::string text = std::to_string(table.AltCount) + "/" + std::to_string(table.AltShownLast) +
                       "/" + std::to_string(table.LastEntryCount);
    for (const auto& line : table.AltLines) text += "|" + line;
    return text;
}

// Scans `file` for `word` with and without the passing over of lines, from
// the same earlier table; returns how the two differ, or "".
inline std::string compareScans(const std::filesystem::path& file, const std::string& word,
                                const vernik::CollationRank* rank, int altBase) {
    vernik::AltTable fast, plain;
    for (auto* table : {&fast, &plain}) {
        table->store(1, ".earlier");
        table->store(2, "lines");
        table->AltCount = table->AltShownLast = table->LastEntryCount = 2;
    }
    const vernik::ScanRequest request{
        .word = word, .altFile = file, .altBase = altBase, .rank = rank};
    const auto a = vernik::scanAltFile(request, fast);
    const auto b = vernik::scanAltFileLineByLine(request, plain);
    std::string differences;
    if (a.fileFound != b.fileFound) differences += " fileFound";
    if (a.entryFound != b.entryFound) differences += " entryFound";
    if (a.phraseFollows != b.phraseFollows) differences += " phraseFollows";
    if (tableText(fast) != tableText(plain)) {
        differences += " table " + tableText(fast) + " instead of " + tableText(plain);
    }
    return differences.empty() ? "" : "word \"" + word + "\":" + differences;
}

// The comment lines of `headwordLine` in `bytes`, the plain way.
inline std::vector<std::string> referenceComments(std::string_view bytes,
                                                  std::string_view headwordLine) {
    const auto lines = referenceLines(bytes, vernik::kShortTextLength);
    std::vector<std::string> comments;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != headwordLine) continue;
        // The line that ends the block is passed over without being examined.
        for (++i; i < lines.size() && (lines[i].empty() || lines[i][0] != '.'); ++i) {
            comments.push_back(lines[i]);
        }
    }
    return comments;
}

}  // namespace scan_check
