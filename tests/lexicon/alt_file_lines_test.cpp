#include "lexicon/alt_file_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "test_folder.h"

namespace vernik {
namespace {

// A letter file of B with random headwords over a small alphabet, so that
// words meet beginnings, equal headwords of other case and phrases often.
std::vector<std::string> randomLetterFile(std::mt19937& random, bool sorted) {
    const std::string alphabet = "aAb c";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);
    std::uniform_int_distribution<int> alternatives(0, 3);
    std::vector<std::string> keys;
    for (int i = std::uniform_int_distribution<int>(0, 30)(random); i > 0; --i) {
        std::string key;
        for (int n = length(random); n > 0; --n) key += alphabet[letter(random)];
        keys.push_back(key);
    }
    if (sorted) std::sort(keys.begin(), keys.end());
    std::vector<std::string> lines = {".B", "B"};
    for (const auto& key : keys) {
        lines.push_back((random() % 2 ? ".b" : ".B") + key);
        for (int n = alternatives(random); n > 0; --n) lines.push_back("alt" + std::to_string(n));
    }
    lines.insert(lines.end(), {".b\xFF\xFF\xFF", "F"});
    return lines;
}

void expectSameTables(const AltTable& fast, const AltTable& file, const std::string& context) {
    EXPECT_EQ(fast.AltCount, file.AltCount) << context;
    EXPECT_EQ(fast.AltShownLast, file.AltShownLast) << context;
    EXPECT_EQ(fast.LastEntryCount, file.LastEntryCount) << context;
    for (int slot = 1; slot <= std::min(file.AltCount, kAltSlots); ++slot) {
        EXPECT_EQ(fast.slot(slot), file.slot(slot)) << context << " slot " << slot;
    }
}

TEST(AltFileLinesTest, ScansAgreeWithTheFileScan) {
    std::mt19937 random(7);
    TestFolder dir;
    const CollationRank rank = identityCollationRank();
    for (int round = 0; round < 150; ++round) {
        const bool sorted = round % 4 != 0;
        const std::vector<std::string> lines = randomLetterFile(random, sorted);
        const auto file = dir.writeLines("Balt.lex", lines);
        const auto inMemory = AltFileLines::read(file, rank);
        ASSERT_TRUE(inMemory);
        EXPECT_TRUE(!sorted || inMemory->searchable());
        for (int w = 0; w < 30; ++w) {
            std::string word = "b";
            for (int n = std::uniform_int_distribution<int>(0, 5)(random); n > 0; --n) {
                word += "aAb c"[random() % 5];
            }
            // Both start from the same leftovers of an earlier lookup.
            AltTable fast, reference;
            fast.store(1, ".old");
            reference.store(1, ".old");
            fast.AltCount = reference.AltCount = 1;
            const ScanRequest request{.word = word, .altFile = file, .rank = &rank};
            const ScanOutcome a = inMemory->scan(request, fast);
            const ScanOutcome b = scanAltFile(request, reference);
            const std::string context = "round " + std::to_string(round) + " word " + word;
            EXPECT_EQ(a.entryFound, b.entryFound) << context;
            EXPECT_EQ(a.phraseFollows, b.phraseFollows) << context;
            expectSameTables(fast, reference, context);
        }
    }
}

TEST(AltFileLinesTest, UnorderedFilesAreReadFromTheTop) {
    const CollationRank rank = identityCollationRank();
    EXPECT_FALSE(AltFileLines({".B", "B", ".bz", ".ba"}, rank).searchable());
    EXPECT_FALSE(AltFileLines({"x", ".B", "B"}, rank).searchable());
    CollationRank shared = rank;
    shared['a'] = shared['b'];
    EXPECT_FALSE(AltFileLines({".B", "B", ".ba"}, shared).searchable());
}

}  // namespace
}  // namespace vernik
