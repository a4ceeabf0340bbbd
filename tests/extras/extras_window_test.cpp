#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWebEngineView>

#include "program_fixture.h"
#include "settings/settings_window_fixture.h"

namespace vernik {
namespace {

class ExtrasWindowTest : public ProgramFixture {
  protected:
    HexViewPanel& hex() { return program->extras.hexView; }

    // The hex view of `name` in the start folder, opened as "Ny Fil" would.
    void viewFile(const std::string& name) {
        dialogs->openAnswers.push_back(QString::fromStdString(path(name)));
        form().ButtonPH4->click();
    }
};

std::string bytesCounting(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>('a' + i % 26);
    return bytes;
}

TEST_F(ExtrasWindowTest, HexViewShowsTheRangeAndSavesAnEditedCopy) {
    start();
    folder.write("brev.txt", bytesCounting(100));
    viewFile("brev.txt");
    EXPECT_TRUE(form().PanelHack->isVisible());
    EXPECT_TRUE(form().MemoHack1->isVisible());
    EXPECT_EQ(form().LabelPH2->text(), QString::fromStdString(path("brev.txt")));
    EXPECT_EQ(form().MemoHack1->document()->blockCount(), 7);
    EXPECT_EQ(form().MemoHack2->document()->findBlockByNumber(6).text(), "000006 stuv");

    // A range change greys "Spara som" until "KÖR" has loaded that range.
    EXPECT_TRUE(form().ButtonPH3->isEnabled());
    QTest::keyClicks(form().EditPH1, "2");  // "02"
    form().EditPH2->setText("4");
    EXPECT_FALSE(form().ButtonPH3->isEnabled());
    EXPECT_TRUE(form().ButtonPH5->isEnabled());
    form().ButtonPH5->click();
    EXPECT_TRUE(form().ButtonPH3->isEnabled());
    EXPECT_EQ(form().MemoHack1->toPlainText().left(10), "000002  67");

    // One pair edited and a copy saved over the viewed file.
    QTextCursor cursor(form().MemoHack1->document());
    cursor.setPosition(8);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    cursor.insertText("5A");
    dialogs->saveAnswers.push_back(QString::fromStdString(path("brev.txt")));
    form().ButtonPH3->click();
    std::string expected = bytesCounting(100);
    expected[32] = 'Z';
    EXPECT_EQ(TestFolder::read(folder / "brev.txt"), expected);
    EXPECT_TRUE(dialogs->messages.empty());

    form().ButtonPH1->click();
    EXPECT_FALSE(form().PanelHack->isVisible());
    EXPECT_FALSE(form().MemoHack2->isVisible());
}

TEST_F(ExtrasWindowTest, HexViewReportsBadInputAndKeepsFiles) {
    start();
    folder.write("å.bin", "abc");
    viewFile("å.bin");
    const QString shown = form().MemoHack1->toPlainText();

    // A range that is no number: the panes empty and nothing can be saved.
    form().EditPH2->setText("tjugo");
    form().ButtonPH5->click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.back().contains("Till"));
    EXPECT_TRUE(form().MemoHack1->toPlainText().isEmpty());
    EXPECT_FALSE(form().ButtonPH3->isEnabled());

    // The file vanishes: the panes keep what they showed, the save says why.
    form().EditPH2->setText("20");
    form().ButtonPH5->click();
    std::filesystem::remove(folder / "å.bin");
    hex().Hack1Click();
    EXPECT_EQ(form().MemoHack1->toPlainText(), shown);
    EXPECT_TRUE(dialogs->messages.back().contains(QStringLiteral("å.bin")));
    dialogs->saveAnswers.push_back(QString::fromStdString(path("b.bin")));
    form().ButtonPH3->click();
    EXPECT_TRUE(dialogs->messages.back().startsWith("Kan inte spara"));
    EXPECT_TRUE(dialogs->messages.back().contains(QStringLiteral("å.bin")));
    EXPECT_FALSE(std::filesystem::exists(folder / "b.bin"));
    form().ButtonPH5->click();  // "KÖR" empties the panes first
    EXPECT_TRUE(form().MemoHack1->toPlainText().isEmpty());
    EXPECT_FALSE(form().ButtonPH3->isEnabled());

    // A pane edited into nonsense: the pairs that are no numbers are left out, and said so.
    folder.write("å.bin", "abc");
    form().ButtonPH5->click();
    form().MemoHack1->setPlainText("000000  61 zz 63 Q");
    dialogs->saveAnswers.push_back(QString::fromStdString(path("b.bin")));
    form().ButtonPH3->click();
    EXPECT_EQ(TestFolder::read(folder / "b.bin"), "ac");
    EXPECT_TRUE(dialogs->messages.back().startsWith("1 par"));
}

TEST_F(ExtrasWindowTest, EachManualOpensFromItsItemAndClosesByAClick) {
    start();
    const auto& manuals = program->extras.manuals.manuals();
    ASSERT_EQ(manuals.size(), 11u);
    for (const Manuals::Manual& manual : manuals) {
        const QString name = manual.box->objectName();
        EXPECT_TRUE(manual.box->toPlainText().left(200).contains(
            QStringLiteral("Denna text försvinner om du klickar på den")))
            << name.toStdString();
        manual.item->trigger();
        EXPECT_TRUE(manual.box->isVisible()) << name.toStdString();
        form().Edit1->setFocus();
        QTest::mouseClick(manual.box->viewport(), Qt::LeftButton);
        EXPECT_FALSE(manual.box->isVisible()) << name.toStdString();
        EXPECT_EQ(form().RichEdit2->hasFocus(), manual.focusOutputBoxAfter) << name.toStdString();
    }
    EXPECT_TRUE(form().Memo4->toPlainText().contains(QStringLiteral(VERNIK_TEST_VERSION)));
}

TEST_F(ExtrasWindowTest, TitlePageTurnedOffStaysOffAfterANormalExit) {
    // A settings file that asks for the title page.
    folder.writeLines("Vernik.ini", settingsLines({{SettingsEntry::TitlePage, {"1", "1"}}}));
    systemSettingsFolders = {path("config")};
    closeTitlePage = false;

    start();
    ASSERT_TRUE(form().Panel1->isVisible());
    QTest::mouseClick(form().Label7, Qt::LeftButton);  // a text closes the page
    EXPECT_FALSE(form().Panel1->isVisible());
    program.reset();

    start();
    ASSERT_TRUE(form().Panel1->isVisible());
    form().BitBtn1->click();
    EXPECT_FALSE(form().BitBtn1->isVisible());
    EXPECT_TRUE(form().Panel1->isVisible());
    form().Button3->click();
    EXPECT_FALSE(form().Panel1->isVisible());
    EXPECT_TRUE(form().RichEdit2->hasFocus());
    form().close();
    program.reset();

    start();
    EXPECT_FALSE(form().Panel1->isVisible());
    EXPECT_EQ(state().settings.TitlePageSetting, '0');
}

TEST_F(ExtrasWindowTest, OtherProgramsOpenANewDocumentOrNameTheMissingProgram) {
    start();
    auto& programs = program->extras.otherPrograms;
    programs.documentFolder = QString::fromStdString(folder.str());
    QStringList opened;
    QString registered;
    programs.defaultApplication = [&](const QString& mime) {
        return mime == registered ? QStringLiteral("editor.desktop") : QString();
    };
    programs.openDocument = [&](const QString& file) {
        opened.push_back(file);
        return true;
    };

    form().Anteckningar1->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.back().contains("text/plain"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder / "Nytt dokument.txt"));

    for (const auto& [item, mime, file] :
         {std::tuple{form().Anteckningar1, "text/plain", "Nytt dokument.txt"},
          {form().WordPad1, "application/rtf", "Nytt dokument.rtf"},
          {form().Word1, "application/vnd.oasis.opendocument.text", "Nytt dokument.odt"}}) {
        registered = QString::fromLatin1(mime);
        item->trigger();
        ASSERT_FALSE(opened.isEmpty()) << mime;
        EXPECT_EQ(opened.back(), QString::fromStdString(path(file)));
        EXPECT_TRUE(std::filesystem::exists(folder / file));
    }
    EXPECT_EQ(dialogs->messages.size(), 1u);

    // A folder that is not there is named in the message as it is.
    programs.documentFolder = QString::fromStdString(path("någon"));
    form().Word1->trigger();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages.back().contains(QStringLiteral("någon/Nytt dokument.odt")));
}

TEST_F(ExtrasWindowTest, WebPanelLiesOverTheOutputBoxAndSizesItsBrowser) {
    start();
    EXPECT_EQ(form().EditPInt1->text(), "https://sv.wiktionary.org/");
    form().Internet1->trigger();
    EXPECT_TRUE(form().PanelInt->isVisible());
    EXPECT_EQ(form().PanelInt->geometry(), form().RichEdit2->geometry());

    // Too long an address is refused with a message; no browser is made for it.
    form().EditPInt1->setText("https://x.org/" + QString(10000, 'a'));
    form().ButtonPInt1->click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.back().contains("10014"));
    EXPECT_EQ(form().WebBrowser1, nullptr);

    // "Sök" shows a hidden panel and sizes the browser to it each time.
    form().ButtonPInt2->click();
    EXPECT_FALSE(form().PanelInt->isVisible());
    EXPECT_TRUE(form().RichEdit2->hasFocus());
    form().EditPInt1->setText("about:blank");
    form().ButtonPInt1->click();
    EXPECT_TRUE(form().PanelInt->isVisible());
    ASSERT_NE(form().WebBrowser1, nullptr);
    form().PanelInt->resize(500, 300);
    form().ButtonPInt1->click();
    EXPECT_EQ(form().WebBrowser1->geometry(), QRect(0, 30, 500, 270));
    EXPECT_EQ(form().WebBrowser1->url(), QUrl("about:blank"));

    // The pointer over the address box gives it the keys.
    form().RichEdit2->setFocus();
    QTest::mouseMove(form().EditPInt1);
    EXPECT_TRUE(form().EditPInt1->hasFocus());
}

}  // namespace
}  // namespace vernik
