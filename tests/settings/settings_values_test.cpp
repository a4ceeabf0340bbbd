#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vernik {
namespace {

using E = SettingsEntry;

TEST(SettingsValues, PathsUseSlashesAndAreRelativeToTheStartFolder) {
    EXPECT_EQ(resolveSettingsPath("sven", "/home/u"), "/home/u/sven");
    EXPECT_EQ(resolveSettingsPath("lex\\sven\\", "/home/u"), "/home/u/lex/sven");
    EXPECT_EQ(resolveSettingsPath("/data/lex", "/home/u"), "/data/lex");
    EXPECT_EQ(resolveSettingsPath("C:\\Vernik\\sven", "/home/u"), "C:/Vernik/sven");
    EXPECT_EQ(resolveSettingsPath("d:lex", "/home/u"), "d:lex");
    EXPECT_EQ(resolveSettingsPath("", "/home/u"), "/home/u");
    EXPECT_EQ(resolveSettingsPath("/", "/home/u"), "/");
}

TEST(SettingsValues, LexiconEntriesNamingALetterFileMeanItsFolder) {
    TestFolder folder;
    const std::string start = folder.str();
    folder.writeLines("lists/Alist.lex", {"a"});
    folder.writeLines("ord.txt", {".apa monkey"});
    folder.writeLines("ensv/Aalt.lex", {".a"});

    EXPECT_EQ(lexicon1Path("sven\\Aalt.lex", start), start + "/sven");
    EXPECT_EQ(lexicon1Path("sven\\aALT.LEX", start), start + "/sven");
    EXPECT_EQ(lexicon1Path("sven\\Bcom.lex", start), start + "/sven");
    EXPECT_EQ(lexicon1Path("sven", start), start + "/sven");
    // A list folder's file and a word list stay paths; the kind decides later.
    EXPECT_EQ(lexicon1Path("lists\\Alist.lex", start), start + "/lists/Alist.lex");
    EXPECT_EQ(lexicon1Path("ord.txt", start), start + "/ord.txt");

    EXPECT_EQ(lexicon2Folder("ensv\\Aalt.lex", start), start + "/ensv");
    EXPECT_EQ(lexicon2Folder("ensv", start), start + "/ensv");
    EXPECT_EQ(lexicon2Folder("ord.txt", start), start);
    EXPECT_EQ(lexicon2Folder("/x/Aalt.lex", start), "/x");
}

TEST(SettingsValues, FontStyles) {
    // Font styles are exact and case-sensitive.
    const struct {
        const char* text;
        bool bold, italic;
    } styles[] = {{"fsBold", true, false},         {"fsItalic", false, true},
                  {"fsBold,fsItalic", true, true}, {"fsItalic,fsBold", false, false},
                  {"fsbold", false, false},        {"FSBOLD", false, false},
                  {"fsBold ", false, false},       {"", false, false}};
    for (const auto& style : styles) {
        EXPECT_EQ(parseFontStyle(style.text).bold, style.bold) << style.text;
        EXPECT_EQ(parseFontStyle(style.text).italic, style.italic) << style.text;
    }
    EXPECT_TRUE(isCyrillicFontName("VernikCyr1"));
    EXPECT_FALSE(isCyrillicFontName("Cyrillic"));
    EXPECT_FALSE(isCyrillicFontName("VernikCy"));
}

class DecodeSettings : public ::testing::Test {
  protected:
    DecodedSettings decode() { return decodeSettings(boxes, folder.str(), fonts); }

    TestFolder folder;
    SettingsBoxes boxes = SettingsBoxes::builtIn();
    FontState fonts;
};

// The built-in folders, title page and font are checked where they are applied.
TEST_F(DecodeSettings, BuiltInValues) {
    const DecodedSettings d = decode();
    EXPECT_EQ(d.openFolder, "");
    EXPECT_EQ(d.mainFont.colour, kWindowTextColour);
    EXPECT_FALSE(d.mainFont.bold || d.mainFont.italic || d.xdvngMode);
    EXPECT_EQ(d.scaleHor, 6.5);
    EXPECT_EQ(d.scaleVert, 6.5);
    EXPECT_EQ(d.print.textWidth, "680");
    EXPECT_EQ(d.print.lineSpacing, "1,0");
    EXPECT_TRUE(d.print.pageNumbers);
    EXPECT_EQ(d.startDocument, "");
    EXPECT_TRUE(d.problems.empty());
}

TEST_F(DecodeSettings, NumbersWithEitherSeparatorFontsFoldersAndAddress) {
    boxes[E::ScaleHor].value = "7.5";
    boxes[E::ScaleVert].value = "6,25";
    boxes[E::LineSpacing].value = "1.5";
    boxes[E::FontName].value = "xdvng";
    boxes[E::FontStyle].value = "fsBold,fsItalic";
    boxes[E::FontColour].value = "255";
    boxes[E::PageNumbers].value = "1 ";
    boxes[E::TitlePage].value = "0 = Ingen";
    boxes[E::Lexicon1Folder].value = "lex\\sv\xE4n";  // Windows-1252
    boxes[E::SaveFolder].value = "\xC5r";
    boxes[E::StartAddress].value = "a.se";  // too short to be an address
    const DecodedSettings d = decode();
    EXPECT_EQ(d.lexicon1Path, folder.str() + "/lex/sv\xC3\xA4n");
    EXPECT_EQ(d.saveFolder, folder.str() + "/\xC3\x85r");
    EXPECT_EQ(d.startAddress, "");
    EXPECT_EQ(d.scaleHor, 7.5);
    EXPECT_EQ(d.scaleVert, 6.25);
    EXPECT_EQ(d.print.lineSpacing, "1,5");
    EXPECT_TRUE(d.xdvngMode);
    EXPECT_EQ(d.scriptFont.name, "xdvng");
    EXPECT_EQ(d.scriptFont.charset, 2);
    EXPECT_EQ(d.mainFont.charset, 0);
    EXPECT_TRUE(d.mainFont.bold && d.mainFont.italic);
    EXPECT_EQ(d.mainFont.colour, 255);
    EXPECT_FALSE(d.print.pageNumbers);  // exactly "1" turns them on
    EXPECT_EQ(d.titlePage, '0');

    boxes[E::FontName].value = "VernikCyr1";
    boxes[E::StartAddress].value = "ab.se";
    const DecodedSettings cyrillic = decode();
    EXPECT_TRUE(cyrillic.cyrillicFont);
    EXPECT_FALSE(cyrillic.xdvngMode);
    EXPECT_EQ(cyrillic.startAddress, "ab.se");
}

TEST_F(DecodeSettings, UnreadableNumbersAreNamedAndTheRestStillCounts) {
    fonts.MainFont.size = 11;
    fonts.MainFont.colour = 42;
    boxes[E::FontSize].value = "stor";
    boxes[E::FontColour].value = "";
    boxes[E::ScaleHor].value = "6,5x";
    boxes[E::FontName].value = "Arial";
    boxes[E::TopMargin].value = "10 px";
    const DecodedSettings d = decode();
    EXPECT_EQ(d.problems, (std::vector<std::string>{
                              "Ogiltigt tal i Fontstorlek: stor",
                              "Ogiltigt tal i Fontf\xE4rg: ", "Ogiltigt tal i SkalaHor: 6,5x",
                              "Ogiltigt tal i \xD6vre marginal i pixels: 10 px"}));
    EXPECT_EQ(d.mainFont.size, 11);
    EXPECT_EQ(d.mainFont.colour, 42);
    EXPECT_FALSE(d.scaleHor.has_value());
    EXPECT_EQ(d.scaleVert, 6.5);
    EXPECT_EQ(d.mainFont.name, "Arial");
    EXPECT_FALSE(d.print.topMargin.has_value());
    EXPECT_EQ(d.print.textWidth, "680");
}

// Each number is taken only within the range a user can need; outside it the
// entry is named and its value is not used.
TEST_F(DecodeSettings, NumbersOutsideTheirRangeAreNamedAndNotUsed) {
    const auto unused = [](const DecodedSettings& d, E entry) {
        switch (entry) {
            case E::FontSize:
                return d.mainFont.size == FontState{}.MainFont.size;
            case E::ScaleHor:
                return !d.scaleHor.has_value();
            case E::ScaleVert:
                return !d.scaleVert.has_value();
            case E::TextWidth:
                return !d.print.textWidth.has_value();
            case E::LeftMargin:
                return !d.print.leftMargin.has_value();
            case E::TopMargin:
                return !d.print.topMargin.has_value();
            case E::LineSpacing:
                return !d.print.lineSpacing.has_value();
            case E::LinesPerPage:
                return !d.print.linesPerPage.has_value();
            default:
                return false;
        }
    };
    const struct {
        E entry;
        const char* value;
        bool used;
    } cases[] = {
        {E::LineSpacing, "10000000000", false},
        {E::LineSpacing, "0", false},
        {E::LineSpacing, "0,1", true},
        {E::LineSpacing, "100", true},
        {E::TopMargin, "-400000000", false},
        {E::TopMargin, "10000", true},
        {E::TopMargin, "10001", false},
        {E::LeftMargin, "-20", false},
        {E::TextWidth, "0", true},
        {E::TextWidth, "99999", false},
        {E::LinesPerPage, "10000", true},
        {E::LinesPerPage, "10001", false},
        {E::LinesPerPage, "-1", false},
        {E::LinesPerPage, " ", true},
        {E::ScaleVert, "1e308", false},
        {E::ScaleVert, "100000000000000000000", false},
        {E::ScaleVert, "100,1", false},
        {E::ScaleHor, "0,09", false},
        {E::ScaleHor, "0,1", true},
        {E::FontSize, "0", false},
        {E::FontSize, "1001", false},
        {E::FontSize, "1000", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(layoutOf(c.entry).label) + ": " + c.value);
        SettingsBoxes given = SettingsBoxes::builtIn();
        given[c.entry].value = c.value;
        const DecodedSettings d = decodeSettings(given, folder.str(), fonts);
        if (c.used) {
            EXPECT_TRUE(d.problems.empty());
            EXPECT_FALSE(unused(d, c.entry));
        } else {
            EXPECT_EQ(d.problems, std::vector<std::string>{invalidNumberMessage(c.entry, c.value)});
            EXPECT_TRUE(unused(d, c.entry));
        }
    }
    EXPECT_EQ(invalidNumberMessage(E::LineSpacing, "10000000000"),
              "Ogiltigt tal i Radavst\xE5nd: 10000000000");
}

TEST_F(DecodeSettings, StartDocumentOnlyWhenTheFileExists) {
    boxes[E::StartDocument].value = "brev.trs";
    EXPECT_EQ(decode().startDocument, "");
    folder.write("brev.trs", "{\\rtf1 }");
    folder.write("brev.txt", "text");
    folder.write("brev.trsx", "text");
    DecodedSettings d = decode();
    EXPECT_EQ(d.startDocument, folder.str() + "/brev.trs");
    EXPECT_TRUE(d.startDocumentIsRichText);
    boxes[E::StartDocument].value = "brev.trsx";  // the extension is cut to four
    EXPECT_TRUE(decode().startDocumentIsRichText);
    boxes[E::StartDocument].value = folder.str() + "\\brev.txt";
    d = decode();
    EXPECT_EQ(d.startDocument, folder.str() + "/brev.txt");
    EXPECT_FALSE(d.startDocumentIsRichText);
    boxes[E::StartDocument].value = "brev.TRS";
    EXPECT_FALSE(decode().startDocumentIsRichText);  // not an existing file either
}

}  // namespace
}  // namespace vernik
