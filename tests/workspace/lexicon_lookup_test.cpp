#include "workspace/lexicon_lookup.h"

#include <gtest/gtest.h>

#include "test_folder.h"
#include "workspace/lexicon_view.h"
#include "workspace/list_search.h"
#include "workspace/lookup_word.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;
const std::string kSentinelB = ".b\xFF\xFF\xFF";
const std::string kSeparator(kListHitSeparator);

Lines slots(const AltTable& table) {
    Lines lines;
    for (int slot = 1; slot <= std::min(table.AltCount, kAltSlots); ++slot) {
        lines.push_back(table.slot(slot));
    }
    return lines;
}

class LexiconLookupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.writeLines("sven/Balt.lex",
                       {".B", "B", ".bad", "bath", ".bada", "bathe", kSentinelB, "F"});
        dir.writeLines("sven/Bcom.lex", {".bad", "main comment", kSentinelB, "F"});
    }
    LexiconLookupOutcome lookUp(const std::string& word, char letter = 'B') {
        return lookUpInLexicons({.folder = folder, .word = word, .letter = letter}, table);
    }

    TestFolder dir;
    std::string folder = (dir / "sven").string();
    AltTable table;
};

// The main lexicon alone fills the table; a missing letter file keeps the
// previous lines.
TEST_F(LexiconLookupTest, MainLexiconAlone) {
    auto outcome = lookUp("bad");
    EXPECT_TRUE(outcome.altFileFound);
    EXPECT_EQ(outcome.lexiconsScanned, 1);
    EXPECT_EQ(slots(table), (Lines{".bad", "bath"}));
    EXPECT_EQ(outcome.shownLines, 2);
    EXPECT_EQ(outcome.comments, Lines{"main comment"});
    EXPECT_TRUE(outcome.commentsReplace);

    outcome = lookUp("cat", 'C');
    EXPECT_FALSE(outcome.altFileFound);
    EXPECT_FALSE(outcome.commentsReplace);
    EXPECT_EQ(outcome.altFileName, folder + "/Calt.lex");
    EXPECT_EQ(slots(table), (Lines{".bad", "bath"}));
}

TEST_F(LexiconLookupTest, SupplementaryLexiconsFollowUntilOneLacksTheLetterFile) {
    dir.writeLines("svena/Balt.lex", {".B", "B", ".bad", "ond", "elak", kSentinelB, "F"});
    dir.writeLines("svena/Bcom.lex", {".bad", "from a", kSentinelB, "F"});
    dir.writeLines("svenc/Balt.lex", {".B", "B", ".bad", "never", kSentinelB, "F"});
    auto outcome = lookUp("bad");
    EXPECT_EQ(outcome.lexiconsScanned, 2);  // svenb lacks Balt.lex: svenc is not reached
    EXPECT_EQ(slots(table), (Lines{".bad", "bath", ".bad", "ond", "elak"}));
    EXPECT_EQ(outcome.shownLines, 5);
    EXPECT_EQ(table.AltShownLast, 4);
    EXPECT_EQ(outcome.comments, (Lines{"main comment", "from a"}));

    dir.writeLines("svenb/balt.lex", {".B", "B", ".bad", "from b", kSentinelB, "F"});
    outcome = lookUp("bad");
    EXPECT_EQ(outcome.lexiconsScanned, 4);
    EXPECT_EQ(slots(table).back(), "never");
    EXPECT_EQ(table.AltCount, 9);
}

// svena's nearest entry is a different headword; its comments are looked up
// for the main lexicon's headword all the same.
TEST_F(LexiconLookupTest, SupplementaryPassesCollectCommentsOfTheMainHeadword) {
    dir.writeLines("svena/Balt.lex", {".B", "B", ".ba", "x", kSentinelB, "F"});
    dir.writeLines("svena/Bcom.lex", {".ba", "not this", ".bad", "this", kSentinelB, "F"});
    const auto outcome = lookUp("bad");
    EXPECT_EQ(slots(table), (Lines{".bad", "bath", ".ba", "x"}));
    EXPECT_EQ(outcome.comments, (Lines{"main comment", "this"}));
}

// Files whose last line ends on the last byte read once made the next read
// return a line of garbage: a crash in list search, a read before the
// buffer, or an alternative of NUL bytes.
TEST(LookupFiles, ShortFilesEndingInALineEnd) {
    TestFolder dir;
    EXPECT_EQ(searchList(dir.write("l.lex", "hund\n"), "hund", false).lines,
              (Lines{".hund", kSeparator}));
    dir.writeLines("lex/Aalt.lex", {".A", "A"});
    dir.write("lex/Dalt.lex", "\n");
    dir.write("lex/Balt.lex", ".bad\r\n");
    const std::string folder = (dir / "lex").string();
    AltTable table;
    lookUpInLexicons({.folder = folder, .word = "dag", .letter = 'D'}, table);
    EXPECT_EQ(slots(table), Lines{""});
    lookUpInLexicons({.folder = folder, .word = "bad", .letter = 'B'}, table);
    EXPECT_EQ(slots(table), Lines{".bad"});
}

TEST(LookupWordCut, EndsAtTheFirstCharacterOutsideTheWordClass) {
    const std::pair<const char*, const char*> cases[] = {
        {"bad,", "bad"},
        {"bad boy!", "bad boy"},
        {"bad ", "bad"},
        {"don't-x", "don't-x"},
        {"\xE5sna.", "\xE5sna."},  // '.' lies between '-' and 'z'
        {"(bad)", ""},
        {"", ""}};
    for (const auto& [text, word] : cases) EXPECT_EQ(cutLookupWord(text), word) << text;
}

// Every line containing the word, case-sensitive, a dot matching a line
// start; a short hit takes its ten following lines unsearched. The file has
// CR line ends.
TEST(ListSearch, ListsEveryLineContainingTheWordWithSeparators) {
    TestFolder dir;
    const auto file =
        dir.write("Alist.lex",
                  "apple      /\xE4pple\rcrab apple is a long line about fruit\rpear\r"
                  "pineapple\rafter 1\rafter 2\r");
    const auto outcome = searchList(file, "apple", false);
    EXPECT_EQ(outcome.hits, 3);
    EXPECT_EQ(outcome.lines,
              (Lines{".apple      /\xE4pple", kSeparator, ".crab apple is a long line about fruit",
                     kSeparator, ".pineapple", "after 1", "after 2", kSeparator}));
    EXPECT_TRUE(searchList(file, "Apple", false).lines.empty());
    EXPECT_EQ(searchList(file, ".pear", false).hits, 1);
    EXPECT_EQ(searchList(file, ".ear", false).hits, 0);

    Lines lines = {"bad"};
    for (int i = 1; i <= 12; ++i)
        lines.push_back(i == 5 ? "bad again" : "line" + std::to_string(i));
    const auto shortHit = searchList(dir.writeLines("list.txt", lines), "bad", false);
    EXPECT_EQ(shortHit.hits, 1);  // "bad again" was among the ten lines shown
    EXPECT_EQ(shortHit.lines.size(), 12u);
    EXPECT_EQ(shortHit.lines[5], "bad again");
}

TEST(ListSearch, PreviousLinesShowTheTwoLinesReadBefore) {
    TestFolder dir;
    const auto file =
        dir.writeLines("list.txt", {"one is long enough", "two is long enough",
                                    "three is long enough", "the hit is long enough"});
    EXPECT_EQ(searchList(file, "hit", true).lines,
              (Lines{"two is long enough", "three is long enough", ".the hit is long enough",
                     kSeparator}));
    EXPECT_EQ(searchList(file, "one", true).lines.front(), "");  // nothing read before
}

TEST(ListSearch, WholeLinesOfAnyLengthAndBinaryBytes) {
    TestFolder dir;
    const std::string longLine = std::string(100000, 'x') + "needle";
    const auto file = dir.write("list.txt", std::string("\x01\xFF\0\n", 4) + longLine + "\r\n");
    const auto outcome = searchList(file, "needle", false);
    ASSERT_EQ(outcome.hits, 1);
    EXPECT_EQ(outcome.lines[0], "." + longLine);
    EXPECT_FALSE(searchList(dir / "missing", "needle", false).fileFound);
}

// Each occurrence with the hundred lines after it; the file has CR line ends.
TEST(LexiconView, ShowsEachOccurrenceWithTheHundredLinesAfterIt) {
    TestFolder dir;
    std::string bytes = ".B\rB\r.bad\rx\r";
    for (int i = 0; i < 120; ++i) bytes += "line" + std::to_string(i) + "\r";
    const auto view = lexiconViewLines(dir.write("Balt.lex", bytes + ".bad\rlast\r"), ".bad");
    ASSERT_EQ(view.size(), 101u + 2u);
    EXPECT_EQ(view[1], "x");
    EXPECT_EQ(view[100], "line98");
    EXPECT_EQ(view[101], ".bad");
    EXPECT_EQ(view[102], "last");
    EXPECT_TRUE(lexiconViewLines(dir / "missing", ".bad").empty());
}

}  // namespace
}  // namespace vernik
