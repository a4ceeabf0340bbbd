#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "platform/widget_look.h"
#include "program_fixture.h"
#include "workspace/reading_mode.h"

namespace vernik {
namespace {

const std::string kSentinelB = ".b\xFF\xFF\xFF";

TEST(PagePosition, CountsPagesAndLinesFromOne) {
    const struct {
        int line, perPage, page, lineOnPage;
    } cases[] = {{0, 30, 1, 1}, {29, 30, 1, 30}, {30, 30, 2, 1}, {60, 30, 3, 1},
                 {5, 0, 6, 1},  {5, -3, 6, 1}};  // below 1 counts one line per page
    for (const auto& c : cases) {
        const PagePosition at = pagePosition(c.line, c.perPage);
        EXPECT_EQ(at.page, c.page) << c.line << " at " << c.perPage;
        EXPECT_EQ(at.line, c.lineOnPage) << c.line << " at " << c.perPage;
    }
}

class ReadingWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        for (const char* lexicon : {"sven", "ensv"}) {
            folder.writeLines(std::string(lexicon) + "/Aalt.lex",
                              {".A", "A", ".a\xFF\xFF\xFF", "F"});
        }
        folder.writeLines("ensv/Balt.lex", {".B", "B", ".bad", "d\xE5lig", "usel", ".bad boy",
                                            "elak pojke", kSentinelB, "F"});
        folder.writeLines("sven/Dalt.lex", {".D", "D", ".d\xE5lig", "bad", ".d\xFF\xFF\xFF", "F"});
    }
    void start() {
        ProgramFixture::start();
        ws().Lexicon2Folder = path("ensv");
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

TEST_F(ReadingWindowTest, SelectingAWordLooksItUpInLexicon2WithoutTheBlankAfterIt) {
    start();
    select(2, 4);  // "bad " as a double-click on some platforms selects it
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_EQ(form().EditPAlt1->text(), "dålig");
    EXPECT_EQ(ws().ActiveLexiconFolder, path("ensv"));
    EXPECT_TRUE(ws().ReadingChoice);
    EXPECT_EQ(groundOf(*form().Edit2), look::windowBackground());
}

TEST_F(ReadingWindowTest, TwoWordsAreLookedUpAsAPhrase) {
    start();
    select(16, 7);  // "bad boy"
    EXPECT_EQ(form().Edit2->text(), ".bad boy");
    select(2, 7);  // "bad man": no such phrase
    EXPECT_EQ(form().Edit2->text(), ".bad");
    EXPECT_EQ(groundOf(*form().Edit2), QColor(Qt::yellow));
}

TEST_F(ReadingWindowTest, ADigitLooksTheChosenAlternativeUpInLexicon1) {
    start();
    select(2, 4);
    QTest::keyClicks(form().RichEdit2, "1");
    EXPECT_EQ(ws().ActiveLexiconFolder, path("sven"));
    EXPECT_EQ(form().Edit1->text(), "dålig");
    EXPECT_EQ(form().EditPAlt1->text(), "bad");
    EXPECT_EQ(form().RichEdit2->toPlainText(), "a bad1man and a bad boy");
    QTest::keyClicks(form().RichEdit2, "2");  // the next digit restores the blank
    EXPECT_EQ(form().RichEdit2->toPlainText(), "a bad man and a bad boy");
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

    ws().LinesPerPage = 0;
    form().EditPPIni14->setText("0");  // "Radantal" 0: one line per page
    cursor.setPosition(lines.indexOf("line 3"));
    form().RichEdit2->setTextCursor(cursor);
    EXPECT_EQ(form().Label22->text(), "Sid nr:  3  Rad nr: 1");
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
