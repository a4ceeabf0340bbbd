#include "lexicon/letters.h"

#include <gtest/gtest.h>

#include "lexicon/letter_files.h"
#include "platform/files.h"
#include "test_folder.h"

namespace vernik {
namespace {

TEST(InitialLetter, FoldsAccentsAndSwedishLetters) {
    EXPECT_EQ(initialLetter("\xE5sna"), '\xC5');  // å
    EXPECT_EQ(initialLetter("\xC5sna"), '\xC5');  // Å
    for (const char* word : {"\xE4ta", "\xC4ta",
                             "\xE6"
                             "ble",
                             "\xC6"
                             "ble"}) {
        EXPECT_EQ(initialLetter(word), '\xC4') << word;  // ä Ä æ Æ
    }
    for (const char* word : {"\xF6ra", "\xD6ra", "\xF8re", "\xD8re"}) {
        EXPECT_EQ(initialLetter(word), '\xD6') << word;  // ö Ö ø Ø
    }
    EXPECT_EQ(initialLetter("\xE9l\xE8ve"), 'E');  // é
    EXPECT_EQ(initialLetter("\xFC"
                            "ber"),
              '\xDC');  // ü
    EXPECT_EQ(initialLetter("\xF1"), 'N');
    EXPECT_EQ(initialLetter("\xBF"), 'Z');
    EXPECT_EQ(initialLetter("bad"), 'B');
    EXPECT_EQ(initialLetter("7"), '7');
    EXPECT_EQ(initialLetter("'tis"), '\'');
    EXPECT_EQ(initialLetter(""), '\0');
}

TEST(InitialLetter, SkipsUpToTwoLeadingDots) {
    EXPECT_EQ(initialLetter(".test"), 'T');
    EXPECT_EQ(initialLetter("..test"), 'T');
    EXPECT_EQ(initialLetter("...test"), '.');
}

TEST(InitialLetter, ForeignSpecialAlphabetShiftsBack) {
    EXPECT_EQ(initialLetter("\xE2", {.foreignSpecial = true, .shift = 128}),
              'B');  // 0xE2 - 128 = 'b'
    EXPECT_EQ(initialLetter("\xE2"), 'A');
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
    auto less = [&](const char* a, const char* b) { return compareHeadwordLines(a, b, rank) < 0; };
    EXPECT_TRUE(less(".aZalea", ".abbot"));
    EXPECT_EQ(compareHeadwordLines(".Azalea", ".azalea", rank), 0);
    EXPECT_TRUE(less(".azalea", ".azure"));
    EXPECT_TRUE(
        less(".b\xE4"
             "ck",
             ".b\xE5t"));  // bäck before båt
    EXPECT_TRUE(less(".bad", ".bada"));
    EXPECT_TRUE(less(".B", ".bad"));
    EXPECT_TRUE(less(".bzzz", ".b\xFF\xFF\xFF"));
}

TEST(LetterFiles, TemplateAndNamesOfAFreshFolder) {
    TestFolder dir;
    ASSERT_TRUE(createMissingLetterFiles(dir.str()).ok());
    EXPECT_EQ(TestFolder::read(dir / "Qalt.lex"),
              ".Q\r\nQ\r\n.q\xFF\xFF\xFF\r\nFilslutsindikering\r\n");
    EXPECT_EQ(TestFolder::read(dir / "Qcom.lex"), TestFolder::read(dir / "Qalt.lex"));
    EXPECT_EQ(TestFolder::read(dir / "\xC3\x85"
                                     "alt.lex"),  // Åalt.lex
              ".\xC5\r\n\xC5\r\n.\xE5\xFF\xFF\xFF\r\nFilslutsindikering\r\n");
    EXPECT_EQ(TestFolder::read(dir / "1alt.lex"),
              ".1\r\n1\r\n.1\xFF\xFF\xFF\r\nFilslutsindikering\r\n");
    EXPECT_TRUE(isLexiconFolder(dir.str()));
    EXPECT_FALSE(isListFolder(dir.str()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 78);
}

TEST(LetterFiles, ExistingFilesAreKeptAndFoundWhateverTheirCase) {
    TestFolder dir;
    dir.writeLines("balt.lex", {".B", "B", ".bad", "dålig"});
    ASSERT_TRUE(createMissingLetterFiles(dir.str()).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "Balt.lex"));
    EXPECT_EQ(findLetterFile(dir.str(), "", 'B', LetterKind::Alt), dir / "balt.lex");
    EXPECT_EQ(letterFileName(dir.str(), "a", 'B', LetterKind::Com),
              dir.path().string() + "a/Bcom.lex");
}

// Text that becomes a file name names an entry of its folder or nothing.
TEST(LetterFiles, NamesStayInTheirFolder) {
    struct Case {
        std::string name;
        bool accepted;
    };
    const Case cases[] = {
        {"Balt.lex", true},
        {".alt.lex", true},
        {"..alt", true},
        {"", false},
        {".", false},
        {"..", false},
        {"/alt.lex", false},
        {"a/b", false},
        {"../alt.lex", false},
        {"\\alt.lex", false},
        {std::string("a\0b", 3), false},
    };
    for (const Case& c : cases) {
        const auto path = childPath("/lex", c.name);
        EXPECT_EQ(path.has_value(), c.accepted) << c.name;
        if (path) {
            EXPECT_EQ(*path, fs::path("/lex/" + c.name));
        }
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

TEST(LetterFiles, UnwritableFolderIsReported) {
    EXPECT_FALSE(createMissingLetterFiles("/proc/no-such-folder").ok());
}

}  // namespace
}  // namespace vernik
