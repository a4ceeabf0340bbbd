#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "platform/widget_look.h"
#include "program_fixture.h"

namespace vernik {
namespace {

const std::string kSentinelB = ".b\xFF\xFF\xFF";

class ReadingWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven", "ensv"});
        folder.writeLines("ensv/Balt.lex", {".B", "B", ".bad", "d\xE5lig", "usel", ".bad boy",
                                            "elak pojke", kSentinelB, "F"});
        folder.writeLines("sven/Dalt.lex", {".D", "D", ".d\xE5lig", "bad", ".d\xFF\xFF\xFF", "F"});
    }
    void start() {
        ProgramFixture::start();
        form().RichEdit2->setPlainText("a bad man and a bad boy");
        ws().OutputBoxStarted = true;
    }
    void select(int start, int length) {
        QTextCursor cursor = form().RichEdit2->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        form().RichEdit2->setTextCursor(cursor);
    }
};

TEST_F(ReadingWindowTest, SelectingWordsLooksThemUpInLexicon2WithoutTheBlankAfter) {
    start();
    select(2, 4);  // "bad " as a double-click on some platforms selects it
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_EQ(form().EditPAlt1->text(), "dålig");
    EXPECT_EQ(ws().ActiveLexiconFolder, path("ensv"));
    EXPECT_TRUE(ws().ReadingChoice);
    EXPECT_EQ(groundOf(*form().Edit2), look::windowBackground());

    // Two words are looked up as a phrase.
    select(16, 7);  // "bad boy"
    EXPECT_EQ(form().Edit2->text(), ".bad boy");
    select(2, 7);  // "bad man": no such phrase
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_EQ(groundOf(*form().Edit2), QColor(Qt::yellow));
}

TEST_F(ReadingWindowTest, ADigitAfterADoubleClickTakesThePlaceOfTheBlankAfterTheWord) {
    start();
    QTextEdit& box = *form().RichEdit2;
    QTextCursor at = box.textCursor();
    at.setPosition(3);  // inside the first "bad"
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, box.cursorRect(at).center());
    EXPECT_EQ(box.textCursor().selectedText(), "bad ");
    EXPECT_EQ(form().Edit2->text(), ".bad");
    QTest::keyClicks(&box, "1");  // looks "dålig" up in Lexicon1
    EXPECT_EQ(ws().ActiveLexiconFolder, path("sven"));
    EXPECT_EQ(form().Edit1->text(), "dålig");
    EXPECT_EQ(form().EditPAlt1->text(), "bad");
    EXPECT_EQ(box.toPlainText(), "a bad1man and a bad boy");
    QTest::keyClicks(&box, "2");  // the next digit gives the blank back
    EXPECT_EQ(box.toPlainText(), "a bad man and a bad boy");

    // The last word has no blank after it: a digit changes no text, but chooses.
    at.setPosition(21);
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, box.cursorRect(at).center());
    EXPECT_EQ(box.textCursor().selectedText(), "boy");
    QTest::keyClicks(&box, "1");  // a new selection chooses afresh, right after a digit
    EXPECT_EQ(ws().ActiveLexiconFolder, path("sven"));
    QTest::keyClicks(&box, "2");
    EXPECT_EQ(box.toPlainText(), "a bad man and a bad boy");
}

TEST_F(ReadingWindowTest, PageAndLineFollowTheCaret) {
    start();
    QString lines;
    for (int i = 1; i <= 40; ++i) lines += QStringLiteral("line %1\n").arg(i);
    form().RichEdit2->setPlainText(lines);
    ws().LinesPerPage = 30;
    QTextCursor cursor = form().RichEdit2->textCursor();
    cursor.setPosition(lines.indexOf("line 31"));
    form().RichEdit2->setTextCursor(cursor);
    EXPECT_EQ(form().Label22->text(), "Sid nr:  2  Rad nr: 1");

    // A "Radantal" of 0, bad or out of range (the number reader's rule): one
    // line per page.
    const struct {
        const char* radantal;
        const char* shown;
    } cases[] = {{"0", "Sid nr:  3  Rad nr: 1"},
                 {"x", "Sid nr:  3  Rad nr: 1"},
                 {"10001", "Sid nr:  3  Rad nr: 1"},
                 {" 2 ", "Sid nr:  2  Rad nr: 1"}};
    for (const auto& c : cases) {
        ws().LinesPerPage = 0;
        form().EditPPIni14->setText(QString::fromLatin1(c.radantal));
        cursor.setPosition(0);
        form().RichEdit2->setTextCursor(cursor);
        cursor.setPosition(lines.indexOf("line 3"));
        form().RichEdit2->setTextCursor(cursor);
        EXPECT_EQ(form().Label22->text(), c.shown) << c.radantal;
    }
}

TEST_F(ReadingWindowTest, SelectionsThatLookNothingUp) {
    start();
    form().Lex2off->trigger();  // Lexicon2 closed, Lexicon1 a lexicon: only page and line
    form().Edit1->setText("x");
    select(2, 3);
    EXPECT_EQ(form().Edit1->text(), "x");
    EXPECT_FALSE(form().Label22->text().isEmpty());
    form().Lex2off->trigger();

    ws().CaptureActive = true;  // a double-comma word is being typed
    select(2, 3);
    EXPECT_EQ(form().Edit1->text(), "x");
    ws().CaptureActive = false;

    form().RichEdit2->setPlainText(QString(300, 'b'));
    select(0, 300);  // too long
    EXPECT_EQ(form().Edit1->text(), "x");
}

}  // namespace
}  // namespace vernik
