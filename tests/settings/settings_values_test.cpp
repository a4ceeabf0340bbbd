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

TEST_F(DecodeSettings, NumbersWithEitherSeparatorFontsFoldersAndAddress) {
    const DecodedSettings builtIn = decode();
    EXPECT_TRUE(builtIn.problems.empty());
    EXPECT_TRUE(builtIn.print.pageNumbers);
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
    using D = DecodedSettings;
    const struct {
        E entry;
        bool (*used)(const D&);
        std::vector<const char*> good, bad;
    } cases[] = {
        {E::LineSpacing,
         [](const D& d) { return d.print.lineSpacing.has_value(); },
         {"0,1", "100"},
         {"10000000000", "0"}},
        {E::TopMargin,
         [](const D& d) { return d.print.topMargin.has_value(); },
         {"10000"},
         {"-400000000", "10001"}},
        {E::LeftMargin, [](const D& d) { return d.print.leftMargin.has_value(); }, {"0"}, {"-20"}},
        {E::TextWidth, [](const D& d) { return d.print.textWidth.has_value(); }, {"0"}, {"99999"}},
        {E::LinesPerPage,
         [](const D& d) { return d.print.linesPerPage.has_value(); },
         {"10000", " "},
         {"10001", "-1"}},
        {E::ScaleVert,
         [](const D& d) { return d.scaleVert.has_value(); },
         {"100"},
         {"1e308", "100000000000000000000", "100,1"}},
        {E::ScaleHor, [](const D& d) { return d.scaleHor.has_value(); }, {"0,1"}, {"0,09"}},
        {E::FontSize,
         [](const D& d) { return d.mainFont.size != FontState{}.MainFont.size; },
         {"1000"},
         {"0", "1001"}},
    };
    for (const auto& c : cases) {
        for (const auto& [values, used] : {std::pair{&c.good, true}, {&c.bad, false}}) {
            for (const char* value : *values) {
                SCOPED_TRACE(std::string(layoutOf(c.entry).label) + ": " + value);
                SettingsBoxes given = SettingsBoxes::builtIn();
                given[c.entry].value = value;
                const D d = decodeSettings(given, folder.str(), fonts);
                EXPECT_EQ(c.used(d), used);
                EXPECT_EQ(d.problems,
                          used ? std::vector<std::string>{}
                               : std::vector<std::string>{invalidNumberMessage(c.entry, value)});
            }
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
