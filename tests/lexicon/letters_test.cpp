#include "lexicon/letters.h"

#include <gtest/gtest.h>

#include "lexicon/letter_files.h"
#include "platform/files.h"
#include "test_folder.h"

namespace vernik {
namespace {

TEST(InitialLetter, FoldsAccentsSkipsTwoDotsAndShiftsForeignSpecial) {
    const std::pair<std::string, char> cases[] = {
        {"\xE5sna", '\xC5'}, {"\xC5sna", '\xC5'},                                      // å Å
        {"\xE4ta", '\xC4'},  {"\xC4ta", '\xC4'},  {"\xE6", '\xC4'}, {"\xC6", '\xC4'},  // ä Ä æ Æ
        {"\xF6ra", '\xD6'},  {"\xD6ra", '\xD6'},  {"\xF8", '\xD6'}, {"\xD8", '\xD6'},  // ö Ö ø Ø
        {"\xE9l", 'E'},      {"\xFC", '\xDC'},    {"\xF1", 'N'},    {"\xBF", 'Z'},
        {"bad", 'B'},        {"7", '7'},          {"'tis", '\''},   {"", '\0'},
        {".test", 'T'},      {"..test", 'T'},     {"...test", '.'}, {"\xE2", 'A'},
    };
    for (const auto& [word, letter] : cases) EXPECT_EQ(initialLetter(word), letter) << word;
    EXPECT_EQ(initialLetter("\xE2", {.foreignSpecial = true, .shift = 128}), 'B');
}

TEST(LetterSequence, WalksThirtyNineLettersToTheEnd) {
    std::string walked;
    for (char letter = 'A'; letter != '['; letter = nextLetter(letter)) walked += letter;
    EXPECT_EQ(walked, kLetterSequence);
    EXPECT_EQ(walked.size(), 39u);
    EXPECT_EQ(nextLetter('a'), 'B');
}

TEST(LowerCaseAndTrim, HandleSwedishLettersAndTheTrimSet) {
    EXPECT_EQ(lowerCase("AZ\xC5\xC4\xD6\xDC\xC9x1"), "az\xE5\xE4\xF6\xFC\xC9x1");
    EXPECT_EQ(trimHeadword(",,ord;"), "ord");
    EXPECT_EQ(trimHeadword("\xA4"), "");
    EXPECT_EQ(trimHeadword(" /:a b.\xA4"), "a b");
    EXPECT_EQ(trimHeadword(""), "");
}

TEST(Collation, ComparesFromTheSecondLetterInByteOrder) {
    const auto rank = identityCollationRank();
    const std::pair<const char*, const char*> ordered[] = {{".aZalea", ".abbot"},
                                                           {".azalea", ".azure"},
                                                           {".b\xE4"
                                                            "ck",
                                                            ".b\xE5t"},
                                                           {".bad", ".bada"},
                                                           {".B", ".bad"},
                                                           {".bzzz", ".b\xFF\xFF\xFF"}};
    for (const auto& [a, b] : ordered) EXPECT_LT(compareHeadwordLines(a, b, rank), 0) << a;
    EXPECT_EQ(compareHeadwordLines(".Azalea", ".azalea", rank), 0);
}

TEST(LetterFiles, TemplateAndNamesOfAFreshFolder) {
    TestFolder dir;
    ASSERT_TRUE(createMissingLetterFiles(dir.str()).ok());
    const auto letterFile = [](const std::string& upper, const std::string& lower) {
        return "." + upper + "\r\n" + upper + "\r\n." + lower +
               "\xFF\xFF\xFF\r\nFilslutsindikering\r\n";
    };
    EXPECT_EQ(TestFolder::read(dir / "Qalt.lex"), letterFile("Q", "q"));
    EXPECT_EQ(TestFolder::read(dir / "Qcom.lex"), letterFile("Q", "q"));
    EXPECT_EQ(TestFolder::read(dir / "\xC3\x85"
                                     "alt.lex"),
              letterFile("\xC5", "\xE5"));  // Åalt.lex
    EXPECT_EQ(TestFolder::read(dir / "1alt.lex"), letterFile("1", "1"));
    EXPECT_TRUE(isLexiconFolder(dir.str()));
    EXPECT_FALSE(isListFolder(dir.str()));
    EXPECT_EQ(TestFolder::namesIn(dir.path()).size(), 78u);

    // Existing files are kept and found whatever their case.
    TestFolder lower;
    lower.writeLines("balt.lex", {".B", "B", ".bad", "d\xE5lig"});
    ASSERT_TRUE(createMissingLetterFiles(lower.str()).ok());
    EXPECT_FALSE(std::filesystem::exists(lower / "Balt.lex"));
    EXPECT_EQ(findLetterFile(lower.str(), "", 'B', LetterKind::Alt), lower / "balt.lex");
    EXPECT_EQ(letterFileName(lower.str(), "a", 'B', LetterKind::Com),
              lower.path().string() + "a/Bcom.lex");
    EXPECT_FALSE(createMissingLetterFiles("/proc/no-such-folder").ok());
}

// Text that becomes a file name names an entry of its folder or nothing.
TEST(LetterFiles, NamesStayInTheirFolder) {
    for (const std::string name : {"Balt.lex", ".alt.lex", "..alt"}) {
        EXPECT_EQ(childPath("/lex", name), fs::path("/lex/" + name)) << name;
    }
    for (const std::string& name : std::initializer_list<std::string>{
             "", ".", "..", "/alt.lex", "a/b", "../alt.lex", "\\alt.lex", std::string("a\0b", 3)}) {
        EXPECT_FALSE(childPath("/lex", name)) << name;
    }
    // The letters of words beginning with "/", "\\" or NUL name no letter file;
    // one beginning with three dots has the letter "." and a file in the folder.
    TestFolder dir;
    for (const char letter : {'/', '\\', '\0'}) {
        EXPECT_EQ(letterFileName(dir.str(), "", letter, LetterKind::Com), fs::path()) << letter;
        EXPECT_FALSE(findLetterFile(dir.str(), "", letter, LetterKind::Alt));
    }
    EXPECT_EQ(letterFileName(dir.str(), "", initialLetter("...x"), LetterKind::Alt),
              dir / ".alt.lex");
}

}  // namespace
}  // namespace vernik
