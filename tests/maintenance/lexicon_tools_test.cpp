#include <gtest/gtest.h>

#include "lexicon/letter_files.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/mark_removal.h"
#include "maintenance/new_words.h"
#include "maintenance/text_check.h"
#include "maintenance/word_count.h"
#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string sentinel(char letter) {
    return sentinelLine(letter);
}

class LexiconToolsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.writeLines("sven/Aalt.lex", {".A", "A", sentinel('A'), "F"});
        dir.writeLines("sven/Halt.lex", {".H", "H", ".han", "he", sentinel('H'), "F"});
        dir.writeLines("sven/Lalt.lex", {".L", "L", ".l\xE4ste", "read", sentinel('L'), "F"});
        dir.writeLines("sven/Oalt.lex", {".O", "O", ".ord;", "word", sentinel('O'), "F"});
        dir.writeLines("sven/Palt.lex", {".P", "P", ".prov", "test", sentinel('P'), "F"});
        dir.writeLines(
            "sven/\xC3\x84"
            "alt.lex",
            {".\xC4", "\xC4", ".\xE4rlig", "honest", sentinel('\xC4'), "F"});
    }
    std::string folder() const { return (dir / "sven").string(); }

    Lines check(const Lines& lines) {
        InputBoxLookup lookup(folder());
        return checkText(lines, lookup);
    }

    TestFolder dir;
};

TEST_F(LexiconToolsTest, TextCheckReportsWordsTheLexiconLacks) {
    const struct {
        std::string line;
        Lines reported;
    } cases[] = {
        {"Han l\xE4ste boken.", {"boken"}},
        {"Han l\xE4ste boken", {"boken"}},  // the line end ends the last word
        {"B52 (prov) [x] a/b x", {}},       // digits, brackets, one letter
        {"Prov \xC4rlig", {"\xC4rlig"}},    // Ä is not lowered
        {"ord; ord", {"ord"}},              // the semicolon belongs to the word
        {"!!  \"boken\"?", {"boken"}},
    };
    for (const auto& c : cases) EXPECT_EQ(check({c.line}), c.reported) << c.line;
}

TEST_F(LexiconToolsTest, TextFilesAreReadAsUtf8OnlyWhenTheyAreValidUtf8) {
    const struct {
        const char* name;
        std::string bytes;
        TextFileFailure failure;
        Lines lines;
    } cases[] = {
        {"utf8",
         "l\xC3\xA4ste \xE2\x82\xAC \xE2\x86\x92\r\nny",
         TextFileFailure::None,
         {"l\xE4ste \x80 ?", "ny"}},
        {"cp1252", "l\xE4ste\n", TextFileFailure::None, {"l\xE4ste"}},
        {"nul", std::string("ab\0cd", 5), TextFileFailure::Binary, {}},
    };
    for (const auto& c : cases) {
        const TextFile file = readTextFile(dir.write(c.name, c.bytes));
        EXPECT_EQ(file.failure, c.failure) << c.name;
        EXPECT_EQ(file.lines, c.lines) << c.name;
    }
    EXPECT_EQ(readTextFile(dir / "sven").failure, TextFileFailure::Folder);
    EXPECT_EQ(readTextFile(dir / "none").failure, TextFileFailure::Missing);
    EXPECT_EQ(check(readTextFile(dir.write("t", "Han l\xC3\xA4ste")).lines), Lines{});

    // Long lines are cut to 250 characters, a long file is read whole.
    const std::string longLine(400, 'x');
    std::string big;
    while (big.size() < 10'000'000) big += "Han l\xE4ste boken.\r\n";
    const TextFile bigFile = readTextFile(dir.write("big", longLine + "\n" + big));
    EXPECT_EQ(bigFile.lines.front().size(), 250u);
    EXPECT_EQ(bigFile.lines.size(), 1 + big.size() / 18);
}

TEST_F(LexiconToolsTest, CountOfTemplateFilesAndEmptyLines) {
    TestFolder empty;
    for (char letter : kCountedLetters) {
        empty.writeLines(
            fs::path(letterFileName(empty.str(), "", letter, LetterKind::Alt)).filename().string(),
            letterFileTemplate(letter));
    }
    const Lines report = wordCountReport(countLexiconWords(empty.str()));
    ASSERT_EQ(report.size(), 30u);
    EXPECT_EQ(report[0], "A  Uppslagsord     2   Utord    2");
    EXPECT_EQ(report[26], "\xC4  Uppslagsord     2   Utord    2");
    EXPECT_EQ(report[29], "Summa  Uppslagsord     58   Utord    58");

    dir.writeLines("sven/Balt.lex", {".B", "B", "", ".bok", "book", "", ""});
    const auto counts = countLexiconWords(folder());
    EXPECT_EQ(wordCountReport(counts)[1],
              "B  Uppslagsord     2   Utord    2  Inneh\xE5ller tomrad");
    EXPECT_EQ(wordCountReport(counts)[2], "C  Uppslagsord     0   Utord    0");
    dir.writeLines("sven/Calt.lex", {".C", "C", "", ""});  // empty lines at the end only
    EXPECT_FALSE(countLexiconWords(folder())[2].emptyLine);
}

TEST_F(LexiconToolsTest, NewWordsListTheHeadwordsWithMarkedAlternatives) {
    {
        InputBoxLookup lookup(folder());
        EXPECT_EQ(listNewWords(folder(), lookup), Lines{});
    }
    dir.writeLines("sven/Palt.lex", {".P", "P", ".prov", "test", "\xA4trial", ".prova", "try",
                                     ".pr\xF6v", "\xA4\xA4x", sentinel('P'), "F"});
    InputBoxLookup lookup(folder());
    std::vector<int> progress;
    EXPECT_EQ(listNewWords(folder(), lookup, [&](int p) { progress.push_back(p); }),
              (Lines{".prov    / test / \xA4trial", ".pr\xF6v    / \xA4\xA4x"}));
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.size(), 39u);
    EXPECT_EQ(lookup.lastTyped(), "\xE4\xFF\xFF\xFF");  // the sentinel of the last file
}

TEST_F(LexiconToolsTest, MarkRemovalKeepsBackupsAndWholeLines) {
    EXPECT_EQ(withoutNewWordMarks({"\xA4test", "\xA4\xA4test", "a \xA4 b", "", "\xA4", ""}, false),
              (Lines{"test", "test", "a \xA4 b", "", ""}));
    EXPECT_EQ(withoutNewWordMarks({"\xA4x", "", "y"}, true), (Lines{"x", "", "y"}));
    // An alternative beginning with "." must not turn into a headword.
    EXPECT_EQ(withoutNewWordMarks({"\xA4\xA4.net", "\xA4.", "x"}, true),
              (Lines{"\xA4.net", "\xA4.", "x"}));

    const std::string longAlt = "\xA4" + std::string(300, 'z');
    const Lines alt = {".P", "P", ".prov", longAlt, "", "\xA4\xA4test", sentinel('P'), "F"};
    const Lines com = {".P", "P", ".prov", "\xA4kommentar", "", "mer", sentinel('P'), "F"};
    const struct {
        MarkRemovalOptions options;
        bool altCleaned, comCleaned;
    } cases[] = {
        {{}, true, false},
        {{.alsoComments = true}, true, true},
        {{.onlyComments = true}, false, true},
    };
    for (const auto& c : cases) {
        TestFolder lex;
        lex.writeLines("Palt.lex", alt);
        lex.writeLines("pcom.lex", com);  // found without regard to case
        const MarkRemovalResult result = removeNewWordMarks(lex.str(), c.options);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(TestFolder::read(lex / "Palt.lex"),
                  TestFolder::crlf(c.altCleaned ? Lines{".P", "P", ".prov", longAlt.substr(1),
                                                        "test", sentinel('P'), "F"}
                                                : alt));
        EXPECT_EQ(fs::exists(lex / "Palt.bak"), c.altCleaned);
        EXPECT_EQ(TestFolder::read(lex / "pcom.lex"),
                  TestFolder::crlf(c.comCleaned ? Lines{".P", "P", ".prov", "kommentar", "", "mer",
                                                        sentinel('P'), "F"}
                                                : com));
        if (c.comCleaned) {
            EXPECT_EQ(TestFolder::read(lex / "pcom.bak"), TestFolder::crlf(com));
        }
    }
    EXPECT_FALSE(removeNewWordMarks((dir / "none").string(), {}).ok());
}

}  // namespace
}  // namespace vernik
