#include "file_size_limit.h"
#include "settings_window_fixture.h"

namespace vernik {
namespace {

using E = SettingsEntry;

std::pair<std::string, std::string> changed(const std::string& value) {
    return {"1 \xC4ndras", value};
}

// The order of the search is the engine's; here the system folders reach it
// and the file found there is applied and named.
TEST_F(SettingsWindowTest, ASettingsFileOfASystemFolderIsAppliedAndNamed) {
    const std::string ini =
        writeSettings("config/vernik/Vernik1.ini", {{E::FontName, changed("Tahoma")}});
    start();
    EXPECT_EQ(settings().SettingsFileName, ini);
    EXPECT_EQ(state().fonts.MainFont.name, "Tahoma");
    EXPECT_EQ(form().LabelPIni18->text(), QString::fromStdString(ini));
}

TEST_F(SettingsWindowTest, ReaderFillsTheBoxesAndTheApplierSetsTheState) {
    folder.writeLines("lex/sv/Aalt.lex", {".a", "a"});
    writeSettings("Vernik.ini",
                  {{E::Lexicon1Folder, changed("lex\\sv\\Aalt.lex")},
                   {E::Lexicon2Folder, {"2 Fast", "/data/ensv"}},
                   {E::OpenFolder, changed("docs")},
                   {E::TitlePage, changed("0")},
                   {E::FontName, changed("VernikCyr1")},
                   {E::FontSize, changed("16")},
                   {E::FontStyle, changed("fsBold")},
                   {E::ScaleHor, changed("7.5")},
                   {E::ScaleVert, {"3", "6,25"}},
                   {E::BytesPerLine, changed("20")},
                   {E::ScreenTextHeight, changed("300")}},
                  {"the", "a", "an"});
    start();
    TForm1& f = form();
    EXPECT_EQ(f.EditPIni1->text(), "1");
    EXPECT_EQ(ws().Lexicon1Folder, startFolder() + "/lex/sv");
    EXPECT_EQ(f.Label2->text(), QString::fromStdString(startFolder() + "/lex/sv"));
    EXPECT_EQ(ws().Lexicon2Folder, "/data/ensv");
    EXPECT_EQ(settings().OpenDialogFolder, startFolder() + "/docs");
    EXPECT_EQ(settings().TitlePageSetting, '0');
    EXPECT_EQ(state().fonts.MainFont.name, "VernikCyr1");
    EXPECT_EQ(state().fonts.SpecialShift, 127);
    EXPECT_TRUE(f.RichEdit2->font().bold());
    EXPECT_EQ(f.RichEdit2->font().pointSize(), 16);
    EXPECT_TRUE(f.EditPAlt1->font().bold());
    EXPECT_DOUBLE_EQ(ws().ScaleHor, 7.5);
    EXPECT_DOUBLE_EQ(ws().ScaleVert, 6.25);
    EXPECT_EQ(f.EditPPIni2->text(), "7,5");  // written back with a comma
    EXPECT_EQ(f.EditPPIni18->text(), "20");
    EXPECT_EQ(f.EditPBD1->text(), "20");  // and the byte-listing panel's box
    EXPECT_EQ(f.RichEdit2->height(), 300);
    EXPECT_EQ(settings().ExcludedWords[2], "an");
    EXPECT_FALSE(f.Edit3->isVisible());
}

// Which numbers are bad is the engine's rule; the message bar joins what it names.
TEST_F(SettingsWindowTest, UnreadableNumbersAreNamedAndTheRestIsApplied) {
    writeSettings("Vernik.ini", {{E::FontName, changed("Arial")},
                                 {E::FontSize, changed("stor")},
                                 {E::LineSpacing, changed("10000000000")},
                                 {E::LinesPerPage, changed("0")},
                                 {E::TextWidth, changed("600")},
                                 {E::ScreenTextHeight, changed("h\xF6g")}});
    start();
    EXPECT_TRUE(form().Edit3->isVisible());
    EXPECT_EQ(form().Edit3->text(),
              "Ogiltigt tal i Skärmtexthöjd: hög; Ogiltigt tal i Fontstorlek: stor; "
              "Ogiltigt tal i Radavstånd: 10000000000");
    EXPECT_EQ(state().fonts.MainFont.name, "Arial");
    // A value out of range leaves its text-area field as it was; the others are taken.
    EXPECT_EQ(form().EditPW5->text(), "1");
    EXPECT_EQ(form().EditPW4->text(), "0");
    EXPECT_EQ(form().RichEdit2->width(), 600);
}

// A start document whose Mod code is not read is emptied by the reader (engine tests).
TEST_F(SettingsWindowTest, StartDocumentOpensOnce) {
    folder.write("brev.txt", "K\xE4ra v\xE4n");
    writeSettings("Vernik.ini", {{E::StartDocument, changed("brev.txt")}});
    start();
    EXPECT_EQ(form().RichEdit2->toPlainText(), "Kära vän");
    EXPECT_EQ(state().document.OutputFileName, startFolder() + "/brev.txt");
    EXPECT_TRUE(ws().OutputBoxStarted);
    EXPECT_FALSE(state().document.DocumentChanged);
    EXPECT_EQ(form().Label15->text(), QString::fromStdString(startFolder() + "/brev.txt"));
    // Applying again never replaces text already written.
    form().RichEdit2->setPlainText("en timmes arbete");
    form().Startv1->trigger();
    QTest::mouseClick(form().ButtonPIni1, Qt::LeftButton);
    EXPECT_EQ(form().RichEdit2->toPlainText(), "en timmes arbete");
}

TEST_F(SettingsWindowTest, CommandLineDocumentAndTheVernikIniBesideIt) {
    // A missing document leaves the start text.
    start("saknas.txt");
    EXPECT_FALSE(ws().OutputBoxStarted);
    EXPECT_EQ(state().document.OutputFileName, "");
    EXPECT_TRUE(form().RichEdit2->toPlainText().contains("Utfilruta"));
    program.reset();

    folder.write("docs/notes.txt", "anteckningar");
    folder.write("brev.txt", "brev");
    writeSettings("Vernik1.ini",
                  {{E::FontName, changed("Arial")}, {E::StartDocument, changed("brev.txt")}});
    writeSettings("docs/Vernik.ini", {{E::FontName, changed("Tahoma")}});
    start("docs/notes.txt");
    EXPECT_EQ(form().RichEdit2->toPlainText(), "anteckningar");
    EXPECT_EQ(state().document.OutputFileName, startFolder() + "/docs/notes.txt");
    EXPECT_EQ(state().document.OutputFileFolder, startFolder() + "/docs");
    EXPECT_EQ(settings().SettingsFileName, startFolder() + "/docs/Vernik.ini");
    EXPECT_EQ(state().fonts.MainFont.name, "Tahoma");
}

TEST_F(SettingsWindowTest, VernikIniBesideADocumentOpenedLater) {
    const std::string startIni = writeSettings("Vernik.ini", {{E::FontName, changed("Arial")}});
    const std::string docsIni =
        writeSettings("docs/Vernik.ini", {{E::FontName, changed("Tahoma")}});
    folder.write("other/b.txt", "b");
    start();
    const std::string startBytes = TestFolder::read(startIni);

    // A document is opened from the menu: its folder's Vernik.ini takes over.
    ws().OutputBoxStarted = true;
    state().document.OutputFileName = path("docs/a.txt");
    program->settingsStore.SettingsSearch();
    EXPECT_EQ(settings().SettingsFileName, docsIni);
    EXPECT_EQ(state().fonts.MainFont.name, "Tahoma");
    EXPECT_EQ(form().LabelPIni18->text(), QString::fromStdString(docsIni));

    // One whose folder holds none leaves the settings in force, and the file
    // they came from is still the one written at exit.
    state().document.OutputFileName = path("other/b.txt");
    program->settingsStore.SettingsSearch();
    EXPECT_EQ(settings().SettingsFileName, docsIni);
    EXPECT_EQ(state().fonts.MainFont.name, "Tahoma");

    form().EditPIni12->setText("Verdana");
    form().close();
    std::vector<std::string> expected = settingsLines({{E::FontName, changed("Verdana")}});
    EXPECT_EQ(TestFolder::read(docsIni), TestFolder::crlf(expected));
    EXPECT_EQ(TestFolder::read(startIni), startBytes);
}

TEST_F(SettingsWindowTest, ExitRewritesTheFileFromTheBoxes) {
    const std::string ini = writeSettings(
        "Vernik.ini", {{E::FontName, changed("Arial")}, {E::Lexicon2Folder, {"1", "ensv"}}});
    start();
    form().EditPIni12->setText("Verdana");
    form().EditPIni9->setText("1");  // 4 -> 1: both lines written
    form().EditPIni10->setText("0");
    // Choosing Lexicon2 puts the folder into its box.
    form().EditP2Lex1->setText(QString::fromStdString(path("sven2/Aalt.lex")));
    program->lexiconChoice.ButtonP2Lex2Click();
    EXPECT_EQ(form().EditPIni4->text(), QString::fromStdString(path("sven2")));

    form().close();
    EXPECT_EQ(TestFolder::read(ini),
              TestFolder::crlf(settingsLines({{E::FontName, changed("Verdana")},
                                              {E::TitlePage, {"1 Default", "0"}},
                                              {E::Lexicon2Folder, {"1", path("sven2")}}})));
    EXPECT_FALSE(form().Edit3->isVisible());
}

TEST_F(SettingsWindowTest, ExitThatCannotWriteSaysSoAndKeepsTheFile) {
    const std::string ini = writeSettings("Vernik.ini", {{E::FontName, changed("Arial")}});
    const std::string before = TestFolder::read(ini);
    start();
    form().EditPIni12->setText("Verdana");

    {
        const FileSizeLimit fullDisk(64);
        ASSERT_TRUE(fullDisk.active());
        form().close();
    }

    const QString message = "Kan ej skriva till " + QString::fromStdString(ini);
    EXPECT_EQ(form().Edit3->text(), message);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages.front(), message);
    EXPECT_EQ(TestFolder::read(ini), before);
}

// Without a settings file, or with one in UTF-16 or far larger than settings
// can be, the built-in values apply and nothing is written at exit; the label
// or the message bar says which.
TEST_F(SettingsWindowTest, MissingOrBadSettingsFileStartsWithTheDefaults) {
    std::string garbage;
    for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 37) % 256);
    const std::string ini = path("Vernik.ini");
    std::string utf16 = "\xFF\xFE";
    for (const char c : TestFolder::crlf(settingsLines({{E::FontName, changed("Tahoma")}})))
        utf16 += std::string{c, '\0'};
    for (const std::string& bytes :
         {std::string(), utf16, garbage + std::string(1 << 20, 'x') + "\n\n\n"}) {
        if (!bytes.empty()) folder.write("Vernik.ini", bytes);
        start();
        EXPECT_FALSE(settings().SettingsFileFound);
        EXPECT_EQ(ws().Lexicon2Folder, startFolder() + "/ensv");
        EXPECT_EQ(form().EditPIni2->text(), QString::fromStdString(startFolder() + "/sven"));
        EXPECT_EQ(state().fonts.MainFont.name, "MS Sans Serif");
        EXPECT_EQ(state().fonts.MainFont.size, 14);
        EXPECT_EQ(settings().TitlePageSetting, '1');
        if (bytes.empty()) {
            EXPECT_EQ(form().LabelPIni18->text(), "Ingen Inifil hittad");
        } else {
            EXPECT_EQ(form().Edit3->text(), "Kan ej läsa inifilen " + QString::fromStdString(ini));
        }
        form().close();
        if (bytes.empty()) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
                EXPECT_NE(entry.path().extension(), ".ini") << entry.path();
        } else {
            EXPECT_EQ(TestFolder::read(ini), bytes);
        }
        program.reset();
    }
}

}  // namespace
}  // namespace vernik
