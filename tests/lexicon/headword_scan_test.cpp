#include "lexicon/headword_scan.h"

#include <gtest/gtest.h>

#include "lexicon/scan_check.h"
#include "test_folder.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;
const std::string kSentinel = ".b\xFF\xFF\xFF";

constexpr auto crlf = &TestFolder::crlf;

Lines collected(const AltTable& table) {
    Lines lines;
    for (int slot = 1; slot <= std::min(table.AltCount, kAltSlots); ++slot) {
        lines.push_back(table.slot(slot));
    }
    return lines;
}

const std::string kBad = crlf({".B", "B", ".bad", "d\xE5lig", "usel", ".bada", "bathe", ".badda",
                               "dab", kSentinel, "Filslutsindikering"});
const std::string kPhrases =
    crlf({".B", "B", ".bad", "x", ".bad boy", "y", ".bada", "z", kSentinel, "F"});

TEST(HeadwordScan, SelectsTheEntryOfTheNearestHeadword) {
    const struct {
        std::string file;
        std::string word;
        Lines entry;
        bool phraseFollows = false;
    } cases[] = {
        {kBad, "bad", {".bad", "d\xE5lig", "usel"}},
        {kBad, "badare", {".bada", "bathe"}},
        {kBad, "bac", {".B", "B"}},                  // stops at bad: the bare letter entry
        {kBad, "ba", {".bad", "d\xE5lig", "usel"}},  // the first that begins with the word
        {kBad, "bz", {".B", "B"}},                   // passes every headword no beginning of it
        {kBad, "b", {".B", "B"}},                    // one letter: the bare letter entry ...
        {crlf({".B", "B", ".b", "be", ".bad", "x", kSentinel, "F"}), "b", {".b", "be"}},  // or .b
        // The case of the initial letter is ignored, that of the rest not.
        {crlf({".B", "B", ".bAd", "caps", ".bad", "small", kSentinel, "F"}),
         "bad",
         {".bad", "small"}},
        {crlf({".B", "B", ".Bad", "upper", ".bada", "x", kSentinel, "F"}),
         "bad",
         {".Bad", "upper"}},
        // Phrases are headwords; stopping at one sets phraseFollows, but a
        // blank only in the last position is no phrase.
        {kPhrases, "bad boy", {".bad boy", "y"}},
        {kPhrases, "bad", {".bad", "x"}, true},
        {crlf({".B", "B", ".bad", "x", ".bada ", "y", kSentinel, "F"}), "bad", {".bad", "x"}},
        // The sentinel stops every scan.
        {crlf({".B", "B", ".bz", "x", kSentinel, "Filslutsindikering", ".bzz", "after"}),
         "bzz",
         {".bz", "x"}},
        // Lines end at a lone CR too.
        {".B\rB\r.bad\rd\xE5lig\rusel\r.bada\rbathe\r" + kSentinel + "\rF\r",
         "bad",
         {".bad", "d\xE5lig", "usel"}},
    };
    TestFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word + " in " + c.file);
        AltTable table;
        const auto outcome =
            scanAltFile({.word = c.word, .altFile = dir.write("Balt.lex", c.file)}, table);
        EXPECT_TRUE(outcome.fileFound);
        EXPECT_EQ(collected(table), c.entry);
        EXPECT_EQ(table.AltShownLast, static_cast<int>(c.entry.size()));
        EXPECT_EQ(table.LastEntryCount, static_cast<int>(c.entry.size()));
        EXPECT_EQ(outcome.phraseFollows, c.phraseFollows);
    }
}

TEST(HeadwordScan, CountsAlternativesPastTheTable) {
    TestFolder dir;
    Lines lines = {".B", "B", ".bad"};
    for (int i = 1; i <= 120; ++i) lines.push_back("alt" + std::to_string(i));
    lines.insert(lines.end(), {kSentinel, "F"});
    AltTable table;
    scanAltFile({.word = "bad", .altFile = dir.writeLines("Balt.lex", lines)}, table);
    EXPECT_EQ(table.AltCount, 121);
    EXPECT_EQ(table.AltShownLast, 4);
    EXPECT_EQ(table.LastEntryCount, 121);
    EXPECT_EQ(table.slot(101), "alt100");
}

// A second lexicon's lines follow at the base; a missing file leaves the table.
TEST(HeadwordScan, SecondLexiconAndMissingFile) {
    TestFolder dir;
    AltTable table;
    scanAltFile({.word = "bad", .altFile = dir.write("Balt.lex", kBad)}, table);
    const auto file = dir.writeLines("svena/Balt.lex", {".B", "B", ".bad", "ond", kSentinel, "F"});
    scanAltFile({.word = "bad", .altFile = file, .altBase = 3}, table);
    const Lines both = {".bad", "d\xE5lig", "usel", ".bad", "ond"};
    EXPECT_EQ(collected(table), both);
    EXPECT_EQ(table.AltShownLast, 4);
    EXPECT_EQ(table.LastEntryCount, 2);

    EXPECT_FALSE(scanAltFile({.word = "x", .altFile = dir / "none.lex"}, table).fileFound);
    EXPECT_EQ(collected(table), both);
}

TEST(HeadwordScan, MalformedFilesEndAtTheirEnd) {
    // No sentinel, empty lines, binary bytes and a very long line.
    TestFolder dir;
    const std::string binary("\x01\x02\0\xFF", 4);
    const auto file = dir.write(
        "Balt.lex", ".B\r\nB\r\n\r\n.bad\r\n" + binary + std::string(100000, 'q') + "\n.bz\nlast");
    AltTable table;
    EXPECT_TRUE(scanAltFile({.word = "bzz", .altFile = file}, table).fileFound);
    EXPECT_EQ(collected(table), (Lines{".bz", "last"}));
    scanAltFile({.word = "bad", .altFile = file}, table);
    EXPECT_EQ(table.slot(2), binary + std::string(251, 'q'));
}

// Every block of the headword in file order; the line ending a block is not
// examined as a headword; CR line ends are read.
TEST(CollectComments, ShowsEveryBlockOfTheHeadword) {
    TestFolder dir;
    const auto file = dir.writeLines(
        "Bcom.lex", {".B", ".bad", "first", "second", ".bada", "other", ".bad", "third", ".bad boy",
                     "phrase", kSentinel, "Filslutsindikering"});
    const auto outcome = collectComments(file, ".bad");
    EXPECT_TRUE(outcome.fileFound);
    EXPECT_EQ(outcome.lines, (Lines{"first", "second", "third"}));
    EXPECT_TRUE(collectComments(file, ".bad ").lines.empty());
    EXPECT_FALSE(collectComments(dir / "missing", ".bad").fileFound);
    const auto twice = dir.writeLines("Bcom.lex", {".bad", "one", ".bad", "skipped"});
    EXPECT_EQ(collectComments(twice, ".bad").lines, Lines{"one"});
    const auto cr = dir.write("Bcom.lex", ".bad\rone\rtwo\r.bada\rnot\r");
    EXPECT_EQ(collectComments(cr, ".bad").lines, (Lines{"one", "two"}));
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
