#include "workspace/lexicon_lookup.h"

#include <gtest/gtest.h>

#include "test_folder.h"
#include "workspace/lexicon_view.h"
#include "workspace/list_search.h"
#include "workspace/lookup_word.h"

namespace vernik {
namespace {

const std::string kSentinelB = ".b\xFF\xFF\xFF";

std::vector<std::string> slots(const AltTable& table) {
    std::vector<std::string> lines;
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
    LexiconLookupOutcome lookUp(const std::string& word) {
        return lookUpInLexicons({.folder = folder, .word = word, .letter = 'B'}, table);
    }

    TestFolder dir;
    std::string folder = (dir / "sven").string();
    AltTable table;
};

TEST_F(LexiconLookupTest, MainLexiconAloneFillsTheTable) {
    const auto outcome = lookUp("bad");
    EXPECT_TRUE(outcome.altFileFound);
    EXPECT_EQ(outcome.lexiconsScanned, 1);
    EXPECT_EQ(slots(table), (std::vector<std::string>{".bad", "bath"}));
    EXPECT_EQ(outcome.shownLines, 2);
    EXPECT_EQ(outcome.comments, (std::vector<std::string>{"main comment"}));
    EXPECT_TRUE(outcome.commentsReplace);
}

TEST_F(LexiconLookupTest, SupplementaryLexiconsFollowUntilOneLacksTheLetterFile) {
    dir.writeLines("svena/Balt.lex", {".B", "B", ".bad", "ond", "elak", kSentinelB, "F"});
    dir.writeLines("svena/Bcom.lex", {".bad", "from a", kSentinelB, "F"});
    dir.writeLines("svenc/Balt.lex", {".B", "B", ".bad", "never", kSentinelB, "F"});
    auto outcome = lookUp("bad");
    EXPECT_EQ(outcome.lexiconsScanned, 2);  // svenb lacks Balt.lex: svenc is not reached
    EXPECT_EQ(slots(table), (std::vector<std::string>{".bad", "bath", ".bad", "ond", "elak"}));
    EXPECT_EQ(outcome.shownLines, 5);
    EXPECT_EQ(table.AltShownLast, 4);
    EXPECT_EQ(outcome.comments, (std::vector<std::string>{"main comment", "from a"}));

    dir.writeLines("svenb/balt.lex", {".B", "B", ".bad", "from b", kSentinelB, "F"});
    outcome = lookUp("bad");
    EXPECT_EQ(outcome.lexiconsScanned, 4);
    EXPECT_EQ(slots(table).back(), "never");
    EXPECT_EQ(table.AltCount, 9);
}

TEST_F(LexiconLookupTest, SupplementaryPassesCollectCommentsOfTheMainHeadword) {
    // svena's nearest entry is a different headword; its comments are looked
    // up for the main lexicon's headword all the same.
    dir.writeLines("svena/Balt.lex", {".B", "B", ".ba", "x", kSentinelB, "F"});
    dir.writeLines("svena/Bcom.lex", {".ba", "not this", ".bad", "this", kSentinelB, "F"});
    const auto outcome = lookUp("bad");
    EXPECT_EQ(slots(table), (std::vector<std::string>{".bad", "bath", ".ba", "x"}));
    EXPECT_EQ(outcome.comments, (std::vector<std::string>{"main comment", "this"}));
}

TEST_F(LexiconLookupTest, MissingMainLetterFileKeepsThePreviousLines) {
    lookUp("bad");
    const auto outcome = lookUpInLexicons({.folder = folder, .word = "cat", .letter = 'C'}, table);
    EXPECT_FALSE(outcome.altFileFound);
    EXPECT_FALSE(outcome.commentsReplace);
    EXPECT_EQ(outcome.altFileName, folder + "/Calt.lex");
    EXPECT_EQ(slots(table), (std::vector<std::string>{".bad", "bath"}));
}

// Files whose last line ends on the last byte read once made the next read
// return a line of garbage: a crash in list search, a read before the
// buffer, or an alternative of NUL bytes.
TEST(LookupFiles, ShortFilesEndingInALineEnd) {
    TestFolder dir;
    EXPECT_EQ(searchList(dir.write("l.lex", "hund\n"), "hund", false).lines,
              (std::vector<std::string>{".hund", std::string(kListHitSeparator)}));
    dir.writeLines("lex/Aalt.lex", {".A", "A"});
    dir.write("lex/Dalt.lex", "\n");
    dir.write("lex/Balt.lex", ".bad\r\n");
    const std::string folder = (dir / "lex").string();
    AltTable table;
    lookUpInLexicons({.folder = folder, .word = "dag", .letter = 'D'}, table);
    EXPECT_EQ(slots(table), (std::vector<std::string>{""}));
    lookUpInLexicons({.folder = folder, .word = "bad", .letter = 'B'}, table);
    EXPECT_EQ(slots(table), (std::vector<std::string>{".bad"}));
}

TEST(LookupFiles, CrOnlyFilesReadLineByLine) {
    TestFolder dir;
    dir.write("sven/Balt.lex", ".B\rB\r.bad\rbath\r.bada\rbathe\r.b\xFF\xFF\xFF\rF\r");
    dir.write("sven/Bcom.lex", ".bad\rmain comment\r.b\xFF\xFF\xFF\rF\r");
    AltTable table;
    const auto outcome =
        lookUpInLexicons({.folder = (dir / "sven").string(), .word = "bad", .letter = 'B'}, table);
    EXPECT_EQ(slots(table), (std::vector<std::string>{".bad", "bath"}));
    EXPECT_EQ(outcome.comments, (std::vector<std::string>{"main comment"}));
    EXPECT_EQ(lexiconViewLines(dir / "sven/Balt.lex", ".bada").size(), 4u);
    const auto list =
        searchList(dir.write("list.txt", "pear\rapple pie is long enough\r"), "apple", false);
    EXPECT_EQ(list.lines.front(), ".apple pie is long enough");
}

TEST(LookupWordCut, EndsAtTheFirstCharacterOutsideTheWordClass) {
    EXPECT_EQ(cutLookupWord("bad,"), "bad");
    EXPECT_EQ(cutLookupWord("bad boy!"), "bad boy");
    EXPECT_EQ(cutLookupWord("bad "), "bad");
    EXPECT_EQ(cutLookupWord("don't-x"), "don't-x");
    EXPECT_EQ(cutLookupWord("\xE5sna."), "\xE5sna.");  // '.' lies between '-' and 'z'
    EXPECT_EQ(cutLookupWord("(bad)"), "");
    EXPECT_EQ(cutLookupWord(""), "");
}

TEST(ListSearch, ListsEveryLineContainingTheWordWithSeparators) {
    TestFolder dir;
    const auto file = dir.writeLines(
        "Alist.lex", {"apple      /\xE4pple", "crab apple is a long line about fruit", "pear",
                      "pineapple", "after 1", "after 2"});
    const auto outcome = searchList(file, "apple", false);
    EXPECT_EQ(outcome.hits, 3);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{
                                 ".apple      /\xE4pple", "__________________",
                                 ".crab apple is a long line about fruit", "__________________",
                                 ".pineapple", "after 1", "after 2", "__________________"}));
    EXPECT_TRUE(searchList(file, "Apple", false).lines.empty());  // case-sensitive
    EXPECT_EQ(searchList(file, ".pear", false).hits, 1);          // a dot matches a line start
    EXPECT_EQ(searchList(file, ".ear", false).hits, 0);
}

TEST(ListSearch, ShortHitsTakeTheirTenFollowingLinesUnsearched) {
    TestFolder dir;
    std::vector<std::string> lines = {"bad"};
    for (int i = 1; i <= 12; ++i)
        lines.push_back(i == 5 ? "bad again" : "line" + std::to_string(i));
    const auto outcome = searchList(dir.writeLines("list.txt", lines), "bad", false);
    EXPECT_EQ(outcome.hits, 1);  // "bad again" was among the ten lines shown
    EXPECT_EQ(outcome.lines.size(), 12u);
    EXPECT_EQ(outcome.lines[5], "bad again");
}

TEST(ListSearch, PreviousLinesShowTheTwoLinesReadBefore) {
    TestFolder dir;
    const auto file =
        dir.writeLines("list.txt", {"one is long enough", "two is long enough",
                                    "three is long enough", "the hit is long enough"});
    const auto outcome = searchList(file, "hit", true);
    EXPECT_EQ(outcome.lines,
              (std::vector<std::string>{"two is long enough", "three is long enough",
                                        ".the hit is long enough", "__________________"}));
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

TEST(LexiconView, ShowsEachOccurrenceWithTheHundredLinesAfterIt) {
    TestFolder dir;
    std::vector<std::string> lines = {".B", "B", ".bad", "x"};
    for (int i = 0; i < 120; ++i) lines.push_back("line" + std::to_string(i));
    lines.push_back(".bad");
    lines.push_back("last");
    const auto view = lexiconViewLines(dir.writeLines("Balt.lex", lines), ".bad");
    ASSERT_EQ(view.size(), 101u + 2u);
    EXPECT_EQ(view[1], "x");
    EXPECT_EQ(view[100], "line98");
    EXPECT_EQ(view[101], ".bad");
    EXPECT_EQ(view[102], "last");
    EXPECT_TRUE(lexiconViewLines(dir / "missing", ".bad").empty());
}

}  // namespace
}  // namespace vernik
