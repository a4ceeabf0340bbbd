#include "settings/char_table.h"

#include <gtest/gtest.h>

#include "platform/decimal_number.h"
#include "settings/charset_names.h"
#include "settings/font_print_scale.h"
#include "test_folder.h"

namespace vernik {
namespace {

// A teck.tab: a line before the start mark, the mark, lines 2-6, then lines
// 7, 8, 9 and 10 as given, lines 11-16 and the mapping lines.
std::string teckTab(const std::string& line7, const std::string& line8, const std::string& line9,
                    const std::string& line10, const std::vector<std::string>& mappings) {
    std::string text = "Teckentabell\r\nKodtext\r\n";
    for (int n = 2; n <= 6; ++n) text += "line " + std::to_string(n) + "\r\n";
    text += line7 + "\r\n" + line8 + "\r\n" + line9 + "\r\n" + line10 + "\r\n";
    for (int n = 11; n <= 16; ++n) text += "\r\n";
    for (const std::string& line : mappings) text += line + "\r\n";
    return text;
}

bool isIdentity(const ByteTable& table) {
    return table == identityByteTable();
}

TEST(CharsetNames, NumbersNamesAndFontNames) {
    const std::pair<const char*, int> boxes[] = {
        {"204", 204},
        {"RUSSIAN_CHARSET", 204},
        {"russian_charset", 0},
        {"GREEK_CHARSET", 161},
        {"OEM_CHARSET", 255},
        {"300", 0},
        {"", 0},
        {" 2 ", 2},
    };
    for (const auto& [text, charset] : boxes) EXPECT_EQ(charsetFromBoxText(text), charset) << text;

    EXPECT_TRUE(isScriptFontName("xdvng"));
    EXPECT_FALSE(isScriptFontName("Xdvng"));
    EXPECT_TRUE(fontHidesCharsetBox("VernikCyr1"));
    EXPECT_TRUE(fontHidesCharsetBox("Verdana"));  // the first three letters decide
    EXPECT_TRUE(fontHidesCharsetBox("xdvng"));
    EXPECT_FALSE(fontHidesCharsetBox("Arial"));
    EXPECT_TRUE(isOwnFontName("VernikGrek1"));
    EXPECT_FALSE(isOwnFontName("vernikGrek1"));
    EXPECT_TRUE(isRightToLeftFontName("Arabic Typesetting"));
    EXPECT_TRUE(isRightToLeftFontName("VernikArab1"));
    EXPECT_FALSE(isRightToLeftFontName("VernikCyr1"));
}

TEST(FontPrintScale, ProposedScaleAndPageLength) {
    EXPECT_EQ(formatDecimalComma(proposedPrintScale(96)), "6,4992");
    EXPECT_EQ(printedLinesPerPage(6000, 100, 6.5, 16, 1.0), 51);  // (6000 - 650) / 104
    EXPECT_EQ(printedLinesPerPage(6000, 100, 6.5, 0, 1.0), std::nullopt);
    EXPECT_EQ(printedLinesPerPage(6000, 100, 0.01, 16, 1.0), std::nullopt);  // a line rounds to 0
}

TEST(CharTable, ShiftLines) {
    struct Case {
        const char* line9;
        int foreign65, foreign127, own65;
    };
    const Case cases[] = {
        {"064 000", 129, 191, 65},  {"200 200", 65, 127, 65},  // 65 + 200 passes 255: nothing moves
        {"128 064", 193, 255, 129},                            // 127 + 128 = 255 is still a byte
        {"129 064", 194, 127, 129},                            // 127 + 129 passes 255
        {"0x4 064", 65, 127, 129},  // a field that is not all digits is absent
        {"06", 65, 127, 65},
    };
    for (const Case& c : cases) {
        const CharTable table = readCharTable(teckTab("1", "Arial", c.line9, "", {}));
        EXPECT_EQ(table.foreign[65], c.foreign65) << c.line9;
        EXPECT_EQ(table.foreign[127], c.foreign127) << c.line9;
        EXPECT_EQ(table.own[65], c.own65) << c.line9;
        EXPECT_EQ(table.foreign[64], 64) << c.line9;
        EXPECT_EQ(table.foreign[128], 128) << c.line9;
    }
}

TEST(CharTable, MappingLines) {
    const CharTable table = readCharTable(teckTab(
        "2", "VernikCyr1", "000 000", "Bak1",
        {"065 193 300", "300 001 002", "066 abc 194", "067 195", "068-196-197 trailing", "0"}));
    EXPECT_EQ(table.foreign[65], 193);
    EXPECT_EQ(table.own[65], 65);  // above 255: no change
    EXPECT_EQ(table.foreign[44], 44);
    EXPECT_EQ(table.own[44], 44);  // code 300 ignored, not taken as 44
    EXPECT_EQ(table.foreign[66], 66);
    EXPECT_EQ(table.own[66], 194);
    EXPECT_EQ(table.foreign[67], 195);
    EXPECT_EQ(table.own[67], 67);
    EXPECT_EQ(table.foreign[68], 196);  // any separator character
    EXPECT_EQ(table.own[68], 197);
    EXPECT_EQ(table.fontName, "VernikCyr1");
    EXPECT_EQ(table.foreignSpecial, true);
    EXPECT_EQ(table.backwardsSetting, "Bak1");
}

TEST(CharTable, FontLineAndAlphabetSwitch) {
    struct Case {
        const char* line7;
        const char* line8;
        std::optional<std::string> font;
        std::optional<bool> foreign;
    };
    const Case cases[] = {
        {"2", "A", std::nullopt, std::nullopt},  // one letter: ignored
        {"2", "1Font", std::nullopt, std::nullopt},
        {"2", "{Font", std::nullopt, std::nullopt},
        {"1", "zz", "zz", false},
        {"3", "Arial", "Arial", std::nullopt},
    };
    for (const Case& c : cases) {
        const CharTable table = readCharTable(teckTab(c.line7, c.line8, "064 000", "", {}));
        EXPECT_EQ(table.fontName, c.font) << c.line8;
        EXPECT_EQ(table.foreignSpecial, c.foreign) << c.line8;
        EXPECT_EQ(table.foreign[65], 129) << "lines after 8 are still read";
    }
}

TEST(CharTable, UnusableFilesLeaveIdentity) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) & 0xFF);
    const std::string longLines =
        "Kodtext\n" + std::string(1 << 20, '9') + "\n" + std::string(1 << 20, '7');
    const std::string noMark = "Kod text\n1\n2\n3\n4\n5\n2\nArial\n064 064\nBak1\n";
    for (const std::string& bytes : {binary, noMark, std::string()}) {
        const CharTable table = readCharTable(bytes);
        EXPECT_FALSE(table.started);
        EXPECT_TRUE(isIdentity(table.foreign) && isIdentity(table.own));
        EXPECT_FALSE(table.fontName);
    }
    const CharTable cut = readCharTable(longLines);
    EXPECT_TRUE(cut.started);
    EXPECT_TRUE(isIdentity(cut.foreign) && isIdentity(cut.own));
    EXPECT_EQ(cut.backwardsSetting, ".");  // the file ends before line 10
}

TEST(CharTable, FileReaderAgreesWithBytesAndCutsLines) {
    TestFolder folder;
    std::string text = teckTab("2", "VernikGrek1", "127 000", std::string(300, 'B'), {});
    for (int i = 0; i < 1000000; ++i) text += "065 066 067\n";  // a million lines; the last wins
    text += "065 070 071";
    const auto file = folder.write("teck.tab", text);
    const std::optional<CharTable> read = readCharTableFile(file);
    ASSERT_TRUE(read);
    const CharTable fromBytes = readCharTable(text);
    EXPECT_EQ(read->foreign, fromBytes.foreign);
    EXPECT_EQ(read->own, fromBytes.own);
    EXPECT_EQ(read->foreign[65], 70);
    EXPECT_EQ(read->own[65], 71);
    EXPECT_EQ(read->backwardsSetting, std::string(kCharTableLineLength, 'B'));
    EXPECT_EQ(fromBytes.backwardsSetting, read->backwardsSetting);
    EXPECT_FALSE(readCharTableFile(folder / "missing.tab"));
}

}  // namespace
}  // namespace vernik
