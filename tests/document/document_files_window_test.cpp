#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>

#include "settings/settings_window_fixture.h"

namespace vernik {
namespace {

class DocumentFilesWindowTest : public SettingsWindowTest {
  protected:
    QString text() { return form().RichEdit2->toPlainText(); }
    void type(const QString& keys) { QTest::keyClicks(form().RichEdit2, keys); }
    QString file(const std::string& name) { return QString::fromStdString(path(name)); }
    bool exitPanelShown() { return form().PanelExit->isVisible(); }
};

TEST_F(DocumentFilesWindowTest, TheExitPanelGuardsOpeningOverUnsavedChanges) {
    folder.writeLines("doc.txt", {"from the file"});
    start();
    type("unsaved");
    form().GetOfUtfil1->trigger();
    EXPECT_TRUE(exitPanelShown());
    EXPECT_EQ(state().document.PendingAction, DocumentFiles::OpenPlain);
    EXPECT_EQ(dialogs->opened, 0);

    QTest::mouseClick(form().ButtonPExit3, Qt::LeftButton);  // "Avbryt"
    EXPECT_FALSE(exitPanelShown());
    EXPECT_EQ(text(), "unsaved");
    EXPECT_TRUE(state().document.DocumentChanged);

    form().GetOfUtfil1->trigger();
    dialogs->saveAnswers.push_back(file("saved.txt"));
    QTest::mouseClick(form().ButtonPExit1, Qt::LeftButton);  // "Ja": save, open nothing
    EXPECT_NE(TestFolder::read(folder / "saved.txt").find("unsaved"), std::string::npos);
    EXPECT_EQ(dialogs->opened, 0);
    EXPECT_FALSE(state().document.DocumentChanged);

    type("!");
    form().GetOfUtfil1->trigger();
    dialogs->openAnswers.push_back(file("doc.txt"));
    QTest::mouseClick(form().ButtonPExit2, Qt::LeftButton);  // "Nej": discard and open
    EXPECT_EQ(text(), "from the file\n");
    EXPECT_EQ(form().Label15->text(), file("doc.txt"));
    EXPECT_FALSE(state().document.DocumentChanged);
    EXPECT_TRUE(form().Hack1->isEnabled());

    type("x");
    form().Rensa1->trigger();  // clearing asks too
    EXPECT_TRUE(exitPanelShown());
    QTest::mouseClick(form().ButtonPExit2, Qt::LeftButton);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(state().document.DocumentChanged);
}

TEST_F(DocumentFilesWindowTest, PlainAndRichTextFollowTheCommandNotTheName) {
    folder.writeLines("plain.txt", {"line one", "line two"});
    start();
    dialogs->openAnswers.push_back(file("plain.txt"));
    form().GetOfUtfil1->trigger();
    dialogs->saveAnswers.push_back(file("copy.rtf"));
    form().SaveUtfil1->trigger();
    EXPECT_EQ(TestFolder::read(folder / "copy.rtf"), "line one\r\nline two\r\n");

    dialogs->openAnswers.push_back(file("plain.txt"));
    form().GetUtfil1->trigger();  // rich-text mode: a file without rich text loads as text
    EXPECT_EQ(text(), "line one\nline two\n");
    dialogs->saveAnswers.push_back(file("rich"));  // the default extension is added
    form().SaveUtfil1->trigger();
    EXPECT_TRUE(TestFolder::read(folder / "rich.trs").starts_with("{\\rtf1"));
    dialogs->openAnswers.push_back(file("rich.trs"));
    form().GetUtfil1->trigger();
    EXPECT_EQ(text(), "line one\nline two\n");
}

TEST_F(DocumentFilesWindowTest, NewThenCtrlSSavesTheEmptyDocumentOverThePreviousFile) {
    folder.writeLines("doc.txt", {"old text"});
    start();
    dialogs->openAnswers.push_back(file("doc.txt"));
    form().GetOfUtfil1->trigger();
    // Ctrl pressed and released before the S: the letter is typed, nothing saved.
    QTest::keyClick(form().RichEdit2, Qt::Key_Control);
    type("s");
    EXPECT_TRUE(text().contains('s'));
    EXPECT_EQ(TestFolder::read(folder / "doc.txt"), "old text\r\n");

    form().Nytt1->trigger();  // unsaved changes: the panel asks
    QTest::mouseClick(form().ButtonPExit2, Qt::LeftButton);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(form().Label15->text(), "");
    QTest::keyPress(form().RichEdit2, Qt::Key_Control);
    QTest::keyClick(form().RichEdit2, Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(form().RichEdit2, Qt::Key_Control);
    EXPECT_EQ(TestFolder::read(folder / "doc.txt"), "");
    EXPECT_EQ(text(), "");
}

TEST_F(DocumentFilesWindowTest, AFailedSaveKeepsTheChangesAndTheOldFile) {
    folder.writeLines("doc.txt", {"old"});
    start();
    dialogs->openAnswers.push_back(file("doc.txt"));
    form().GetOfUtfil1->trigger();
    type("new ");
    dialogs->saveAnswers.push_back(file("no-such-folder/doc.txt"));
    form().SaveUtfil1->trigger();
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.front().contains("doc.txt"));
    EXPECT_TRUE(state().document.DocumentChanged);
    EXPECT_EQ(state().document.OutputFileName, path("doc.txt"));
    EXPECT_EQ(TestFolder::read(folder / "doc.txt"), "old\r\n");
}

TEST_F(DocumentFilesWindowTest, ClosingRewritesTheSettingsButExitDoesNot) {
    folder.writeLines("docs/doc.txt", {"x"});
    const auto settingsFile =
        writeSettings("Vernik1.ini", {{SettingsEntry::OpenFolder, {"1 \xC4ndras", "."}}});
    const std::string before = TestFolder::read(settingsFile);
    start();
    dialogs->openAnswers.push_back(file("docs/doc.txt"));
    form().GetOfUtfil1->trigger();
    form().Exit1->trigger();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(TestFolder::read(settingsFile), before);

    start();
    dialogs->openAnswers.push_back(file("docs/doc.txt"));
    form().GetOfUtfil1->trigger();
    type("changed");
    form().close();  // unsaved changes: the window stays and asks
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(exitPanelShown());
    EXPECT_EQ(state().document.PendingAction, DocumentFiles::Exit);
    QTest::mouseClick(form().ButtonPExit2, Qt::LeftButton);
    EXPECT_FALSE(form().isVisible());
    EXPECT_NE(TestFolder::read(settingsFile).find(path("docs")), std::string::npos);
}

TEST_F(DocumentFilesWindowTest, OpeningAsRichTextAppliesTheVernikIniBesideTheDocument) {
    folder.writeLines("docs/doc.trs", {"{\\rtf1\\ansi {\\b fet} text\\par}"});
    writeSettings("docs/Vernik.ini", {{SettingsEntry::FontName, {"1 \xC4ndras", "Tahoma"}}});
    start();
    dialogs->openAnswers.push_back(file("docs/doc.trs"));
    form().GetOfUtfil1->trigger();  // plain: the settings are not searched
    EXPECT_NE(state().fonts.MainFont.name, "Tahoma");
    dialogs->openAnswers.push_back(file("docs/doc.trs"));
    form().GetUtfil1->trigger();
    EXPECT_EQ(state().fonts.MainFont.name, "Tahoma");
    EXPECT_EQ(text(), "fet text");
    EXPECT_TRUE(
        form().RichEdit2->document()->begin().begin().fragment().charFormat().font().bold());
    EXPECT_EQ(state().document.OutputFileFolder, path("docs"));
}

}  // namespace
}  // namespace vernik
