#include "platform/code_page_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/utf8.h"

namespace vernik {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

std::string ownFontTable(const std::string& fileName) {
    std::ifstream in(std::string(VERNIK_SOURCE_DIR) + "/data/codepages/" + fileName);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CodePageTable, CharsetsShowTheirLettersAndEveryByteComesBack) {
    struct Case {
        int charset;
        int codePage;
        unsigned char byte;
        char32_t shown;
    };
    const Case cases[] = {
        {0, 1252, 0xC4, U'Ä'},   {1, 1252, 0x80, U'€'},   {204, 1251, 0xC0, U'А'},
        {161, 1253, 0xE1, U'α'}, {162, 1254, 0xD0, U'Ğ'}, {238, 1250, 0x8A, U'Š'},
        {186, 1257, 0xC0, U'Ą'}, {177, 1255, 0xE0, U'א'}, {178, 1256, 0xC7, U'ا'},
        {222, 874, 0xA1, U'ก'},  {163, 1258, 0xD0, U'Đ'}, {2, kSymbolCodePage, 'a', 0xF061},
        {77, 1252, 0xE9, U'é'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codePageOfFontCharset(c.charset), c.codePage) << c.charset;
        const CodePageTable table = CodePageTable::forCodePage(c.codePage);
        EXPECT_EQ(table.character(c.byte), c.shown) << c.charset;
        EXPECT_EQ(table.bytes(table.utf8(allBytes())), allBytes()) << c.charset;
    }
    for (const int charset : {128, 129, 134, 136})
        EXPECT_TRUE(isDoubleByteCodePage(codePageOfFontCharset(charset))) << charset;
    EXPECT_EQ(CodePageTable::forCodePage(kSymbolCodePage).character(' '), U' ');
    // A character no byte shows is dropped.
    EXPECT_EQ(CodePageTable::forCodePage(1251).bytes("a\xC3\xA9"
                                                     "b"),
              "ab");
}

TEST(CodePageTable, OwnFontsAreTheirCodePageWithTheSwedishLettersMoved) {
    EXPECT_EQ(ownFontTableFile("VernikCyr1"), "VernikCyr.txt");
    EXPECT_EQ(ownFontTableFile("VernikGrek12"), "VernikGrek.txt");
    for (const char* name : {"Vernik1", "Arial", "Vernik../x1", "vernikCyr1"})
        EXPECT_EQ(ownFontTableFile(name), "") << name;

    const struct {
        const char* file;
        unsigned char letter;
        char32_t shown;
    } fonts[] = {{"VernikCyr.txt", 0xE0, U'а'}, {"VernikGrek.txt", 0xE1, U'α'}};
    for (const auto& font : fonts) {
        const std::optional<CodePageTable> table = parseOwnFontTable(ownFontTable(font.file));
        ASSERT_TRUE(table) << font.file;
        EXPECT_EQ(table->character(font.letter), font.shown);
        std::string swedish;
        for (const unsigned char b : {0xA4, 0xA5, 0xA6, 0xB4, 0xB5, 0xB6})
            appendUtf8(swedish, table->character(b));
        EXPECT_EQ(swedish, "ÄÅÖäåö") << font.file;
        EXPECT_EQ(table->bytes(table->utf8(allBytes())), allBytes()) << font.file;
    }

    // A character placed twice moves; the byte it left keeps a character of its own.
    const auto moved = parseOwnFontTable("codepage 1252\n41 0416\n42 0416\nzz 0041\n43 D800\n");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->character(0x42), U'Ж');
    EXPECT_EQ(moved->character(0x43), U'C');
    EXPECT_EQ(moved->bytes(moved->utf8(allBytes())), allBytes());
    EXPECT_FALSE(parseOwnFontTable("41 0416\n"));
}

}  // namespace
}  // namespace vernik
