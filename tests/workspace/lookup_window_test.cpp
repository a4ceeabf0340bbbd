#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

#include "platform/widget_look.h"
#include "program_fixture.h"

namespace vernik {
namespace {

const std::string kSentinelB = ".b\xFF\xFF\xFF";
const QColor kYellow(Qt::yellow);

class LookupWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven"});
        folder.writeLines("sven/Balt.lex",
                          {".B", "B", ".bad", "bath",
                           "\xA4"
                           "bathe",
                           ".bad boy", "naughty boy", ".bada", "to bathe", ".badda", "one", "two",
                           "three", "four", kSentinelB, "Filslutsindikering"});
        folder.writeLines("sven/Bcom.lex", {".B", ".bad", "a comment on bad", kSentinelB, "F"});
    }
    QStringList alternatives() {
        QStringList shown;
        for (QLineEdit* box : {form().EditPAlt1, form().EditPAlt2, form().EditPAlt3}) {
            if (box->isVisibleTo(form().PanelAlt1)) shown << box->text();
        }
        return shown;
    }
};

TEST_F(LookupWindowTest, TypingAWordShowsItsEntryAndComments) {
    start();
    typeWord("bad");
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_EQ(alternatives(), (QStringList{"bath", "¤bathe"}));
    EXPECT_EQ(form().RichEdit3->toPlainText(), "a comment on bad");
    EXPECT_EQ(groundOf(*form().Edit2), look::windowBackground());
    EXPECT_EQ(groundOf(*form().PanelAlt1), kYellow);  // ".bad boy" follows
    EXPECT_FALSE(form().LabelPAlt2->isVisibleTo(&form()));

    // A new word (marked ¤) among the alternatives also shows in its overlay box.
    EXPECT_TRUE(form().EditPAlt5->isVisibleTo(&form()));
    EXPECT_EQ(form().EditPAlt5->text(), "¤bathe");

    // Where the word ends is the word cut's rule; here a text outside the
    // word class looks nothing up and the last lookup stays.
    typeWord("(bad");
    EXPECT_EQ(ws().InOrd, "");
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_FALSE(form().Timer3->isActive());

    typeWord("badda");  // more than three: "Flera Alternativ"
    EXPECT_EQ(alternatives(), (QStringList{"one", "two", "three"}));
    EXPECT_TRUE(form().LabelPAlt2->isVisibleTo(&form()));
    EXPECT_FALSE(form().EditPAlt5->isVisibleTo(&form()));

    // The headword box turns yellow when the headword is not the word.
    typeWord("badar");
    EXPECT_EQ(form().Edit2->text(), ".bada");
    EXPECT_EQ(groundOf(*form().Edit2), kYellow);
    EXPECT_EQ(groundOf(*form().PanelAlt1), look::activeCaptionGradient());
    typeWord("bada ");  // a blank typed after the headword still counts as the word
    EXPECT_EQ(groundOf(*form().Edit2), look::windowBackground());
}

TEST_F(LookupWindowTest, MissingLetterFileOpensTheChoicePanelAfterASecond) {
    start();
    typeWord("bad");
    typeWord("cat");  // sven has no Calt.lex
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_EQ(alternatives(), (QStringList{"bath", "¤bathe"}));
    EXPECT_EQ(groundOf(*form().Edit2), kYellow);
    EXPECT_TRUE(form().Timer3->isActive());
    EXPECT_FALSE(form().PanelLex1->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return form().PanelLex1->isVisible(); }, 2500));
    EXPECT_EQ(form().EditPLex1->text().toStdString(), path("sven") + "/Aalt.lex");
}

TEST_F(LookupWindowTest, TheFrameIsBlueForLexicon2) {
    folder.writeLines("ensv/Balt.lex", {".B", "B", ".bad", "d\xE5lig", kSentinelB, "F"});
    start();
    ws().ActiveLexiconFolder = ws().Lexicon2Folder;
    form().Edit1->setText("bad");  // as the output box sets it, without a key
    EXPECT_EQ(form().EditPAlt1->text(), "dålig");
    EXPECT_EQ(groundOf(*form().PanelAlt1), QColor(Qt::blue));
    typeWord("bad");  // a key makes Lexicon1 active again
    EXPECT_EQ(form().EditPAlt1->text(), "bath");
}

TEST_F(LookupWindowTest, VisaLexikonShowsTheHeadwordAndTheLinesAfterIt) {
    start();
    typeWord("bad");
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    EXPECT_TRUE(form().Memo1->isVisible());
    EXPECT_EQ(form().Button1->text(), "Stäng Lexikon");
    EXPECT_TRUE(form().Memo1->toPlainText().startsWith(".bad\nbath\n¤bathe\n.bad boy\n"));
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    EXPECT_FALSE(form().Memo1->isVisible());
    EXPECT_EQ(form().Button1->text(), "Visa Lexikon");

    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QTest::mouseDClick(form().Memo1->viewport(), Qt::LeftButton);
    EXPECT_FALSE(form().Memo1->isVisible());
    typeWord("bada");  // a new lookup resets the caption
    EXPECT_EQ(form().Button1->text(), "Visa Lexikon");
}

TEST_F(LookupWindowTest, TheCommentBoxGrowsWithTheWheelAndGoesBackOnAClick) {
    start();
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    const QRect before = form().RichEdit3->geometry();
    QApplication::sendEvent(form().RichEdit3->viewport(), &wheel);
    EXPECT_TRUE(form().RichEdit3->geometry().contains(before));
    EXPECT_GT(form().RichEdit3->height(), before.height());
    QTest::mouseClick(form().RichEdit3->viewport(), Qt::LeftButton);
    EXPECT_EQ(form().RichEdit3->geometry(), before);
}

class ListModeWindowTest : public LookupWindowTest {};

TEST_F(ListModeWindowTest, AListFolderSearchesTheListFileOfTheInitialLetter) {
    folder.writeLines("lists/Alist.lex", {"apple tree   /\xE4ppeltr\xE4"
                                          "d",
                                          "ape"});
    folder.writeLines("lists/Glist.lex", {"grape      /druva"});
    start();
    ws().Lexicon1Folder = ws().ActiveLexiconFolder = path("lists");
    QTest::mouseClick(form().ButtonPLex3, Qt::LeftButton);
    form().EditPLex1->setText(QString::fromStdString(path("lists/Alist.lex")));
    QTest::mouseClick(form().ButtonPLex2, Qt::LeftButton);  // "OK" takes the file's folder
    EXPECT_TRUE(ws().Lexicon1IsList);
    EXPECT_EQ(textColourOf(*form().Label2), look::fuchsia());

    typeWord("ap");
    EXPECT_EQ(form().RichEdit3->toPlainText(), "");
    typeWord("ape");
    EXPECT_EQ(form().RichEdit3->toPlainText(), ".ape\n__________________");
    EXPECT_EQ(form().Button1->text(), "Visa Förrad");
    typeWord("app");
    EXPECT_EQ(form().RichEdit3->toPlainText().split('\n').first(), ".apple tree   /äppelträd");
    QTest::mouseClick(form().Button1, Qt::LeftButton);  // "Visa Förrad": two lines before each hit
    EXPECT_EQ(form().Button1->text(), "Stäng Förrad");
    typeWord("ape");
    EXPECT_EQ(form().RichEdit3->toPlainText(),
              "\napple tree   /äppelträd\n.ape\n__________________");
}

TEST_F(ListModeWindowTest, AWordListFileChosenWithBrowseIsSearched) {
    // Binary bytes and a long line do no harm.
    folder.write("words.txt", std::string("\x01\x02\0\xFF\n", 5) + std::string(5000, 'q') +
                                  "bad weather today\nbadminton is a game with a racket\ngood\n");
    start();
    dialogs->openAnswers.push_back(QString::fromStdString(path("words.txt")));
    form().Lex1Val->trigger();
    EXPECT_TRUE(form().PanelLex1->isVisible());
    QTest::mouseClick(form().ButtonPLex1, Qt::LeftButton);
    EXPECT_FALSE(form().PanelLex1->isVisible());
    EXPECT_EQ(ws().ListFileName, path("words.txt"));
    EXPECT_FALSE(ws().Lexicon1IsLexicon);
    EXPECT_EQ(textColourOf(*form().Label2), look::pureRed());
    typeWord("bad");
    const QStringList shown = form().RichEdit3->toPlainText().split('\n');
    EXPECT_EQ(shown.filter("_____").size(), 2);
    EXPECT_EQ(shown.first(), "." + QString(5000, 'q') + "bad weather today");
}

class LexiconChoiceWindowTest : public LookupWindowTest {};

TEST_F(LexiconChoiceWindowTest, ThePanelChoosesLexicon1ByNameOrByBrowsing) {
    writeLexicons({"other"});
    folder.writeLines("other/Balt.lex", {".B", "B", ".bad", "schlecht", kSentinelB, "F"});
    start();
    QTest::mouseClick(form().Label1, Qt::LeftButton);  // the label opens the panel too
    EXPECT_TRUE(form().PanelLex1->isVisible());
    QTest::mouseClick(form().ButtonPLex1, Qt::LeftButton);  // cancelled
    EXPECT_EQ(ws().Lexicon1Folder, path("sven"));
    EXPECT_EQ(form().Label2->text().toStdString(), path("sven"));
    EXPECT_EQ(textColourOf(*form().Label2), look::black());

    // A folder typed in that does not exist: neither a lexicon nor a list, nothing to show.
    form().Lex1Val->trigger();
    form().EditPLex1->setText(QString::fromStdString(path("nowhere/Aalt.lex")));
    QTest::mouseClick(form().ButtonPLex2, Qt::LeftButton);
    EXPECT_EQ(textColourOf(*form().Label2), look::pureRed());
    EXPECT_EQ(ws().ListFileName, "");
    typeWord("bad");
    EXPECT_EQ(form().RichEdit3->toPlainText(), "");
    EXPECT_EQ(form().Edit2->text(), "Uppslagsord");

    dialogs->openAnswers.push_back(QString::fromStdString(path("other/Balt.lex")));
    form().Lex1Val->trigger();
    QTest::mouseClick(form().ButtonPLex1, Qt::LeftButton);
    EXPECT_EQ(ws().Lexicon1Folder, path("other"));
    EXPECT_EQ(ws().ActiveLexiconFolder, path("other"));
    EXPECT_EQ(textColourOf(*form().Label2), look::black());
    typeWord("bad");
    EXPECT_EQ(form().EditPAlt1->text(), "schlecht");
}

TEST_F(LexiconChoiceWindowTest, Lexicon2ChoiceAndClosing) {
    start();
    QTest::mouseClick(form().Label14, Qt::LeftButton);
    EXPECT_TRUE(form().PanelLex2->isVisible());
    form().EditP2Lex1->setText(QString::fromStdString(path("ensv/Aalt.lex")));
    QTest::mouseClick(form().ButtonP2Lex2, Qt::LeftButton);
    EXPECT_EQ(ws().Lexicon2Folder, path("ensv"));
    EXPECT_EQ(ws().ActiveLexiconFolder, path("sven"));
    EXPECT_EQ(form().Label14->text().toStdString(), path("ensv"));
    EXPECT_FALSE(form().PanelLex2->isVisible());

    // Closing Lexicon2 twice restores the caption and the label.
    const QString caption = form().Lex2off->text();
    form().Lex2off->trigger();
    EXPECT_NE(form().Lex2off->text(), caption);
    EXPECT_FALSE(form().Label14->isVisible());
    EXPECT_FALSE(ws().Lexicon2Open);
    form().Lex2off->trigger();
    EXPECT_EQ(form().Lex2off->text(), caption);
    EXPECT_TRUE(form().Label14->isVisible());
    EXPECT_TRUE(ws().Lexicon2Open);
}

TEST_F(LookupWindowTest, TypingReplacesTheTextOfABoxThatTookTheFocus) {
    start();
    form().activateWindow();
    for (QLineEdit* box : {form().Edit1, form().Edit2}) {
        const QString before = box->text();  // "Inordruta", "Uppslagsord"
        QTest::mouseMove(form().RichEdit2->viewport(), QPoint(5, 5));
        QTest::mouseMove(box, QPoint(5, 5));
        ASSERT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }, 1000));
        QTest::keyClicks(box, "hus");
        EXPECT_EQ(box->text(), "hus") << before.toStdString();
    }
    // A click places the caret: the text stays and the key goes where the click was.
    form().Edit1->setText("hus");
    QTest::mouseMove(form().RichEdit2->viewport(), QPoint(5, 5));
    QTest::mouseClick(form().Edit1, Qt::LeftButton, {},
                      QPoint(form().Edit1->width() - 5, form().Edit1->height() / 2));
    QTest::keyClicks(form().Edit1, "e");
    EXPECT_EQ(form().Edit1->text(), "huse");
}

}  // namespace
}  // namespace vernik
