#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/box_code_page.h"
#include "platform/widget_look.h"
#include "program_fixture.h"

namespace vernik {
namespace {

class LexiconToolsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven", "ensv"});
        folder.writeLines("sven/Palt.lex",
                          {".P", "P", ".prov", "test", "\xA4trial", ".p\xFF\xFF\xFF", "F"});
    }
    std::string comFile() { return TestFolder::read(folder / "sven/Pcom.lex"); }
    void typeComment(const QString& text) {
        form().RichEdit3->setFocus();
        QTest::keyClicks(form().RichEdit3, text);
    }
    // The boxes show their bytes as Cyrillic letters: E0 E1 E2 are а б в.
    void chooseCyrillicFont() {
        folder.writeLines("sven/Balt.lex", {".B", "B", ".b\xE0\xE1", "x", ".b\xFF\xFF\xFF", "F"});
        start();
        form().Font1->trigger();
        form().Fonts.EditPF1->setText(QStringLiteral("Arial"));
        form().Fonts.EditPF5->setText(QStringLiteral("204"));
        QTest::mouseClick(form().Fonts.ButtonPF2, Qt::LeftButton);
    }
};

TEST_F(LexiconToolsWindowTest, CommentButtonOffersAddingThenReplacing) {
    start();
    typeWord("prov");
    EXPECT_FALSE(form().Button2->isVisible());
    typeComment("ny rad");
    ASSERT_TRUE(form().Button2->isVisible());
    EXPECT_EQ(form().Button2->text(), "Lägg in kommentarer");
    EXPECT_EQ(groundOf(*form().RichEdit3), look::windowBackground());
    form().Button2->click();
    EXPECT_EQ(comFile(),
              TestFolder::crlf({".p", "p", ".prov", "ny rad", ".p\xFF\xFF\xFF", "p\xFF\xFF\xFF"}));

    typeWord("prov");  // the lookup hides the button and shows the comment
    EXPECT_FALSE(form().Button2->isVisible());
    EXPECT_EQ(form().RichEdit3->toPlainText(), "ny rad");
    typeComment("x");
    EXPECT_EQ(form().Button2->text(), "Byt ut kommentarer");
    EXPECT_EQ(groundOf(*form().RichEdit3), QColor(255, 255, 0));
    form().Button2->click();
    EXPECT_NE(comFile().find(".prov\r\nny radx\r\n.p"), std::string::npos);

    typeWord("prov");  // a new lookup gives the box its white back
    EXPECT_EQ(groundOf(*form().RichEdit3), look::windowBackground());
    form().Button1->click();  // with the lexicon view open nothing is offered
    typeComment("y");
    EXPECT_FALSE(form().Button2->isVisible());
}

TEST_F(LexiconToolsWindowTest, CommentsOfACyrillicHeadwordKeepItsBytes) {
    chooseCyrillicFont();
    form().Edit1->setText(boxText(*form().Edit1, "b\xE0\xE1"));
    ASSERT_EQ(form().Edit2->text(), QStringLiteral(".bаб"));
    form().RichEdit3->setPlainText(boxText(*form().RichEdit3, "\xE2"));
    form().RichEdit3->moveCursor(QTextCursor::End);
    typeComment("x");
    form().Button2->click();
    EXPECT_EQ(
        TestFolder::read(folder / "sven/Bcom.lex"),
        TestFolder::crlf({".b", "b", ".b\xE0\xE1", "\xE2x", ".b\xFF\xFF\xFF", "b\xFF\xFF\xFF"}));
}

TEST_F(LexiconToolsWindowTest, TextCheckInACyrillicFontEndsOnTheLastWordsBytes) {
    folder.write("text.txt", "b\xE0\xE1 b\xE2\n");
    chooseCyrillicFont();
    form().Textkontroll1->trigger();
    dialogs->openAnswers.push_back(QString::fromStdString(path("text.txt")));
    form().ButtonTx3->click();
    form().ButtonTx2->click();
    EXPECT_EQ(form().RichEdit2->toPlainText(), QStringLiteral("bв"));  // "bаб" is a headword
    EXPECT_EQ(form().Edit1->text(), QStringLiteral("bв"));
    EXPECT_EQ(ws().InOrd, "b\xE2");
}

TEST_F(LexiconToolsWindowTest, ReportsGoBelowTheOutputBoxText) {
    folder.write("text.txt", "Prov provet\nB52\n");
    start();
    ws().OutputBoxStarted = true;  // the start text is gone
    form().RichEdit2->setPlainText(QStringLiteral("Min text"));
    form().Textkontroll1->trigger();
    EXPECT_TRUE(form().PanelTxtKontr->isVisible());
    dialogs->openAnswers.push_back(QString::fromStdString(path("text.txt")));
    form().ButtonTx3->click();
    form().ButtonTx2->click();
    EXPECT_FALSE(form().PanelTxtKontr->isVisible());
    EXPECT_EQ(form().RichEdit2->toPlainText(), "Min text\nprovet");
    EXPECT_EQ(form().Edit1->text(), "b52");  // the boxes show the last lookup

    form().Nyord2->trigger();
    EXPECT_TRUE(form().RichEdit2->toPlainText().endsWith(u"\n.prov    / test / ¤trial"));
    EXPECT_EQ(state().maintenance.BatchOp, 'n');

    form().NyOrd1->trigger();
    EXPECT_EQ(form().EditPNyord1->text().toStdString(), ws().Lexicon1Setting);
    form().EditPNyord1->setText(QString::fromStdString(path("sven")));
    form().ButtonPNyord3->click();
    EXPECT_FALSE(form().PanelNyord->isVisible());
    EXPECT_EQ(TestFolder::read(folder / "sven/Palt.lex"),
              TestFolder::crlf({".P", "P", ".prov", "test", "trial", ".p\xFF\xFF\xFF", "F"}));
}

}  // namespace
}  // namespace vernik
