#include "lexicon/headword_scan.h"

#include <gtest/gtest.h>

#include "lexicon/scan_check.h"
#include "test_folder.h"

namespace vernik {
namespace {

const std::string kSentinel = ".b\xFF\xFF\xFF";

class HeadwordScanTest : public ::testing::Test {
  protected:
    // Scans a B alt file of the given lines into a fresh table.
    ScanOutcome scan(const std::vector<std::string>& lines, const std::string& word) {
        table = AltTable{};
        const auto file = dir.writeLines("Balt.lex", lines);
        return scanAltFile({.word = word, .altFile = file}, table);
    }
    std::vector<std::string> collected() const {
        std::vector<std::string> lines;
        for (int slot = 1; slot <= std::min(table.AltCount, kAltSlots); ++slot) {
            lines.push_back(table.slot(slot));
        }
        return lines;
    }

    TestFolder dir;
    AltTable table;
    const std::vector<std::string> badFile = {".B",
                                              "B",
                                              ".bad",
                                              "dålig",
                                              "usel",
                                              ".bada",
                                              "bathe",
                                              ".badda",
                                              "dab",
                                              kSentinel,
                                              "Filslutsindikering"};
};

TEST_F(HeadwordScanTest, SelectsTheNearestHeadword) {
    scan(badFile, "bad");
    EXPECT_EQ(collected(), (std::vector<std::string>{".bad", "dålig", "usel"}));
    EXPECT_EQ(table.AltCount, 3);
    EXPECT_EQ(table.AltShownLast, 3);
    EXPECT_EQ(table.LastEntryCount, 3);

    scan(badFile, "badare");
    EXPECT_EQ(table.slot(1), ".bada");
    EXPECT_EQ(table.AltCount, 2);

    scan(badFile, "bac");  // stops at bad, keeps the bare letter entry
    EXPECT_EQ(collected(), (std::vector<std::string>{".B", "B"}));

    scan(badFile, "ba");  // the first headword that begins with the word
    EXPECT_EQ(table.slot(1), ".bad");

    scan(badFile, "bz");  // passes every headword that is no beginning of it
    EXPECT_EQ(table.slot(1), ".B");
}

TEST_F(HeadwordScanTest, OneLetterWordSelectsTheBareLetterEntry) {
    scan(badFile, "b");
    EXPECT_EQ(collected(), (std::vector<std::string>{".B", "B"}));
    scan({".B", "B", ".b", "be", ".bad", "x", kSentinel, "F"}, "b");
    EXPECT_EQ(collected(), (std::vector<std::string>{".b", "be"}));
}

TEST_F(HeadwordScanTest, IgnoresTheCaseOfTheInitialLetterButNotOfTheRest) {
    scan({".B", "B", ".bAd", "caps", ".bad", "small", kSentinel, "F"}, "bad");
    EXPECT_EQ(table.slot(1), ".bad");
    scan({".B", "B", ".Bad", "upper", ".bada", "x", kSentinel, "F"}, "bad");
    EXPECT_EQ(table.slot(1), ".Bad");
}

TEST_F(HeadwordScanTest, PhrasesAreHeadwordsAndAFollowingPhraseIsFlagged) {
    const std::vector<std::string> lines = {".B", "B",     ".bad", "x",       ".bad boy",
                                            "y",  ".bada", "z",    kSentinel, "F"};
    auto outcome = scan(lines, "bad boy");
    EXPECT_EQ(table.slot(1), ".bad boy");
    EXPECT_FALSE(outcome.phraseFollows);
    outcome = scan(lines, "bad");
    EXPECT_EQ(table.slot(1), ".bad");
    EXPECT_TRUE(outcome.phraseFollows);  // stopped at ".bad boy"
    // A blank only in the last position is no phrase.
    outcome = scan({".B", "B", ".bad", "x", ".bada ", "y", kSentinel, "F"}, "bad");
    EXPECT_FALSE(outcome.phraseFollows);
}

TEST_F(HeadwordScanTest, CountsAlternativesPastTheTable) {
    std::vector<std::string> lines = {".B", "B", ".bad"};
    for (int i = 1; i <= 120; ++i) lines.push_back("alt" + std::to_string(i));
    lines.insert(lines.end(), {kSentinel, "F"});
    scan(lines, "bad");
    EXPECT_EQ(table.AltCount, 121);
    EXPECT_EQ(table.AltShownLast, 4);
    EXPECT_EQ(table.LastEntryCount, 121);
    EXPECT_EQ(table.slot(101), "alt100");
}

TEST_F(HeadwordScanTest, SecondLexiconLinesFollowAtTheBase) {
    scan(badFile, "bad");
    const auto file = dir.writeLines("svena/Balt.lex", {".B", "B", ".bad", "ond", kSentinel, "F"});
    scanAltFile({.word = "bad", .altFile = file, .altBase = 3}, table);
    EXPECT_EQ(collected(), (std::vector<std::string>{".bad", "dålig", "usel", ".bad", "ond"}));
    EXPECT_EQ(table.AltShownLast, 4);
    EXPECT_EQ(table.LastEntryCount, 2);
}

TEST_F(HeadwordScanTest, TheSentinelStopsEveryScan) {
    const std::vector<std::string> lines = {
        ".B", "B", ".bz", "x", kSentinel, "Filslutsindikering", ".bzz", "after"};
    const auto outcome = scan(lines, "bzz");
    EXPECT_TRUE(outcome.fileFound);
    EXPECT_EQ(collected(), (std::vector<std::string>{".bz", "x"}));
    EXPECT_FALSE(outcome.phraseFollows);
}

TEST_F(HeadwordScanTest, MissingFileLeavesTheTable) {
    scan(badFile, "bad");
    const auto outcome = scanAltFile({.word = "bad", .altFile = dir / "none.lex"}, table);
    EXPECT_FALSE(outcome.fileFound);
    EXPECT_EQ(table.slot(1), ".bad");
    EXPECT_EQ(table.AltCount, 3);
}

TEST_F(HeadwordScanTest, MalformedFilesEndAtTheirEnd) {
    // No sentinel, empty lines, binary bytes and a very long line.
    const std::string bytes = ".B\r\nB\r\n\r\n.bad\r\n" + std::string("\x01\x02\0\xFF", 4) +
                              std::string(100000, 'q') + "\n.bz\nlast";
    dir.write("Balt.lex", bytes);
    auto outcome = scanAltFile({.word = "bzz", .altFile = dir / "Balt.lex"}, table);
    EXPECT_TRUE(outcome.fileFound);
    EXPECT_EQ(table.slot(1), ".bz");
    EXPECT_EQ(table.slot(2), "last");
    scanAltFile({.word = "bad", .altFile = dir / "Balt.lex"}, table);
    EXPECT_EQ(table.slot(2).size(), 255u);
    EXPECT_EQ(table.slot(2).substr(0, 4), std::string("\x01\x02\0\xFF", 4));
}

TEST(CollectComments, ShowsEveryBlockOfTheHeadwordInFileOrder) {
    TestFolder dir;
    const auto file = dir.writeLines(
        "Bcom.lex", {".B", ".bad", "first", "second", ".bada", "other", ".bad", "third", ".bad boy",
                     "phrase", kSentinel, "Filslutsindikering"});
    const auto outcome = collectComments(file, ".bad");
    EXPECT_TRUE(outcome.fileFound);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_TRUE(collectComments(file, ".bad ").lines.empty());
    EXPECT_FALSE(collectComments(dir / "missing", ".bad").fileFound);
}

TEST(CollectComments, TheLineEndingABlockIsNotExaminedAsAHeadword) {
    TestFolder dir;
    const auto file = dir.writeLines("Bcom.lex", {".bad", "one", ".bad", "skipped"});
    EXPECT_EQ(collectComments(file, ".bad").lines, (std::vector<std::string>{"one"}));
}

TEST_F(HeadwordScanTest, ReadsFilesWithCrOnlyLineEnds) {
    dir.write("Balt.lex", ".B\rB\r.bad\rd\xE5lig\rusel\r.bada\rbathe\r" + kSentinel + "\rF\r");
    scanAltFile({.word = "bad", .altFile = dir / "Balt.lex"}, table);
    EXPECT_EQ(collected(), (std::vector<std::string>{".bad", "d\xE5lig", "usel"}));
    dir.write("Bcom.lex", ".bad\rone\rtwo\r.bada\rnot\r");
    EXPECT_EQ(collectComments(dir / "Bcom.lex", ".bad").lines,
              (std::vector<std::string>{"one", "two"}));
}

// The scan passes over lines that cannot change it without handing them to
// the rules; the result must be what the plain loop gives, in every file.
TEST(HeadwordScanPassing, AgreesWithThePlainScanOnGeneratedFiles) {
    TestFolder dir;
    std::mt19937 random(4711);
    for (int round = 0; round < 300; ++round) {
        // A few files large enough to span several read blocks.
        const int entries = round % 100 == 99 ? 40000 : static_cast<int>(random() % 40);
        const std::string bytes = scan_check::generatedLetterFile(random, entries);
        const auto file = dir.write("Balt.lex", bytes);
        const CollationRank otherRank = scan_check::generatedRank(random);
        for (int i = 0; i < 8; ++i) {
            const std::string word = scan_check::generatedWord(random, 1 + random() % 5);
            const CollationRank* rank = i % 2 ? &otherRank : nullptr;
            ASSERT_EQ(scan_check::compareScans(file, word, rank, static_cast<int>(random() % 3)),
                      "")
                << "round " << round;
        }
        const auto lines = referenceLines(bytes, 0);
        const std::string headword =
            lines.empty() ? ".b" : lines[random() % lines.size()].substr(0, kShortTextLength);
        ASSERT_EQ(collectComments(file, headword).lines,
                  scan_check::referenceComments(bytes, headword))
            << "round " << round;
    }
}

}  // namespace
}  // namespace vernik
