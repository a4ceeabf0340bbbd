#include "maintenance/list_insertion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <string>
#include <vector>

#include "lexicon/letter_files.h"
#include "maintenance/letter_file_rewrite.h"
#include "maintenance/new_list_words.h"
#include "test_folder.h"

namespace {

using Lines = std::vector<std::string>;

Lines pFile(const Lines& entries) {
    Lines lines = vernik::letterFileTemplate('P');
    lines.insert(lines.begin() + 2, entries.begin(), entries.end());
    return lines;
}

struct InsertCase {
    const char* name;
    const char* listLine;
    Lines before;
    bool mark;
    Lines after;
};

const InsertCase kInsertCases[] = {
    {"NewHeadwordBeforeTheSentinel", "prov /test/sample", pFile({}), false,
     pFile({".prov", "test", "sample"})},
    {"LeadingDotReadsTheSame", ".prov      /test/sample", pFile({}), false,
     pFile({".prov", "test", "sample"})},
    {"NoSlashInsertsNothing", "prov test", pFile({}), false, pFile({})},
    {"NoBlankBeforeSlashGivesALetter", "prov/test", pFile({}), false,
     pFile({".prov", "v", "test"})},
    {"MatchIgnoresCase", "Prov /exam", pFile({".prov", "test", ".pust", "x"}), false,
     pFile({".prov", "test", "exam", ".pust", "x"})},
    {"MarksOnlyTheAlternatives", "prov /test", pFile({".pa", "y"}), true,
     pFile({".pa", "y", ".prov", "\xA4test"})},
    {"PresentAlternativeNotAddedAgain", "prov /test/ny", pFile({".prov", "\xA4test"}), true,
     pFile({".prov", "\xA4test", "\xA4ny"})},
    {"OneCharacterHeadGoesToTheBareLetter",
     "p /pe",
     pFile({}),
     false,
     {".P", "P", "pe", ".p\xFF\xFF\xFF", "Filslutsindikering"}},
    {"RepeatsAndEmptyLinesGo", "prov /test", pFile({".pa", "y", "y", "", ".pb", "z"}), false,
     pFile({".pa", "y", ".pb", "z", ".prov", "test"})},
    {"WithoutSentinelAddedAtTheEnd",
     "prov /test",
     {".P", "P", ".pa", "y"},
     false,
     {".P", "P", ".pa", "y", ".prov", "test"}},
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class InsertListEntryTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertListEntryTest, SortsTheLineIntoTheLetterFile) {
    const InsertCase& c = GetParam();
    EXPECT_EQ(vernik::insertListEntry(c.before, vernik::readWordListLine(c.listLine), c.mark),
              c.after);
}

INSTANTIATE_TEST_SUITE_P(Lines, InsertListEntryTest, ::testing::ValuesIn(kInsertCases),
                         [](const auto& info) { return std::string(info.param.name); });

// One write of the letter file and its backup per list line, as each line
// renames the file to its backup and copies it back with the line sorted in.
TEST(WordListInsertionTest, GivesTheBytesOfRewritingTheFilePerLine) {
    TestFolder folder;
    const Lines list{
        "prov /test", "pa /y",   "Prov /exam", "x",          "s\xE5g /saw",   "\xA4nytt /ord",
        "",           "pb /z/z", "Pa /y/yy",   "#x /digits", "prov /test",    "\xE5s /r",
        "sa /b",      "p /pe",   "sb /c",      "%z /q",      "t\xE5g /train", "t0 /x"};
    folder.writeLines("list.txt", list);
    for (const char* side : {"fast", "slow"}) {
        folder.writeLines(std::string(side) + "/Palt.lex", pFile({".pa", "old", "old", ""}));
        // Without a sentinel, "tåg" goes behind the kept empty last line,
        // which the next rewrite drops though "t0" goes in before it.
        folder.writeLines(std::string(side) + "/Talt.lex", {".T", "T", ".ta", "b", ""});
    }
    const auto report =
        vernik::insertWordList(folder.path() / "list.txt", (folder / "fast").string(), true);
    ASSERT_EQ(report.error, "");
    EXPECT_EQ(report.droppedPairs, 2u);  // "#x" and "%z" have no letter file

    ASSERT_TRUE(vernik::createMissingLetterFiles((folder / "slow").string()).ok());
    for (const auto& line : list) {
        if (line.size() < 4) continue;
        const auto entry = vernik::readWordListLine(line);
        const auto file =
            vernik::findLetterFile((folder / "slow").string(), "",
                                   vernik::initialLetter(entry.head), vernik::LetterKind::Alt);
        if (!file) continue;
        const std::string old = TestFolder::read(*file);
        std::filesystem::path backup = *file;
        std::ofstream(backup.replace_extension(".bak"), std::ios::binary) << old;
        std::ofstream(*file, std::ios::binary) << vernik::joinLinesCrLf(
            vernik::insertListEntry(vernik::splitLetterLines(old), entry, true));
    }
    EXPECT_EQ(TestFolder::filesIn(folder / "fast"), TestFolder::filesIn(folder / "slow"));
}

TEST(WordListInsertionTest, BadListFilesChangeNothingWrongly) {
    TestFolder folder;
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 7);
    folder.write("binary.txt", binary);
    folder.write("long.txt", "p" + std::string(65536, 'x') + " /y\r\n");
    std::string many;
    for (int i = 0; i < 3000; ++i) many += "pa" + std::to_string(i) + " /x\r\n";
    folder.write("many.txt", many);
    for (const char* list : {"binary.txt", "long.txt", "many.txt"}) {
        const auto report =
            vernik::insertWordList((folder / list).string(), (folder / "lex").string(), false);
        EXPECT_EQ(report.error, "") << list;
    }
    const Lines lines = vernik::splitLetterLines(TestFolder::read(folder / "lex/Palt.lex"));
    // Every line stays a letter-file line, and the sentinel still closes the file.
    EXPECT_TRUE(
        std::all_of(lines.begin(), lines.end(), [](const auto& l) { return l.size() <= 255; }));
    EXPECT_EQ(lines.end()[-2], ".p\xFF\xFF\xFF");
    EXPECT_GT(lines.size(), 6000u);
}

TEST(WordListInsertionTest, AMissingListFileIsReported) {
    TestFolder folder;
    const auto report =
        vernik::insertWordList((folder / "none.txt").string(), (folder / "lex").string(), false);
    EXPECT_EQ(report.messages, Lines{"K\xE4llfilen finns inte"});
}

// A lexicon holding "prov" with "test" and "¤exam"; every other head is missing.
std::optional<vernik::HeadLookup> lookUp(const std::string& head) {
    if (head == "prov" || head == "Prov")
        return vernik::HeadLookup{".prov",
                                  {".prov", "test",
                                   "\xA4"
                                   "exam"}};
    return vernik::HeadLookup{".pust", {".pust", "x"}};
}

TEST(NewListWordsTest, KeepsWhatTheLexiconLacks) {
    const struct {
        const char* line;
        std::string result;
    } cases[] = {
        {"prov /test", ""},                               // everything present
        {".prov      /test/exam", "prov         /exam"},  // a marked alternative differs
        {"pris /price/cost", "pris /price/cost"},         // missing head: the whole line
        {"pris price", ""},                               // no "/": nothing
        {"Prov / test /sample", "Prov         /sample"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vernik::newListWordsLine(c.line, lookUp), c.result) << c.line;
}

}  // namespace
