#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWheelEvent>

#include "platform/widget_look.h"
#include "program_fixture.h"

namespace vernik {
namespace {

const std::string kSentinelP = ".p\xFF\xFF\xFF";
const std::string kSentinelT = ".t\xFF\xFF\xFF";

class WritingWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven", "ensv"});
        folder.writeLines("sven/Balt.lex",
                          {".B", "B", ".bad", "bath", "swim", ".b\xFF\xFF\xFF", "F"});
        folder.writeLines("sven/Palt.lex",
                          {".P", "P", ".par", "pair", "couple", ".pax", ".prov", "test", "trial",
                           "exam", "\xA4sample", "probe", kSentinelP, "F"});
        folder.writeLines("ensv/Talt.lex", {".T", "T", ".test", "prov", "f\xF6rs\xF6k", ".trial",
                                            "r\xE4tteg\xE5ng", kSentinelT, "F"});
    }
    void write(const QString& keys) { QTest::keyClicks(form().RichEdit2, keys); }
    QString text() { return form().RichEdit2->toPlainText(); }
};

TEST_F(WritingWindowTest, ADigitReplacesTheDoubleCommaWordAndLooksTheChoiceUpInLexicon2) {
    start();
    write(",,prov");
    EXPECT_EQ(form().Edit1->text(), "prov");
    EXPECT_EQ(form().EditPAlt3->text(), "exam");
    EXPECT_TRUE(ws().CaptureActive);
    write("3");
    EXPECT_EQ(text(), "exam ");
    EXPECT_FALSE(ws().CaptureActive);
    EXPECT_EQ(ws().ActiveLexiconFolder, path("ensv"));
    EXPECT_EQ(form().Edit1->text(), "exam");
    EXPECT_TRUE(state().document.DocumentChanged);
}

TEST_F(WritingWindowTest, BackspaceTakesAKeyBackFromTheWordAndTheInputBox) {
    start();
    write(",,prov");
    QTest::keyClick(form().RichEdit2, Qt::Key_Backspace);
    EXPECT_EQ(text(), ",,pro");
    EXPECT_EQ(form().Edit1->text(), "pro");
    write("v1");
    EXPECT_EQ(text(), "test ");
}

TEST_F(WritingWindowTest, AWordTypedInTheInputBoxIsAppendedCapitalisedWithItsEnding) {
    start();
    write("Hej");
    typeWord("Bad,");
    QTest::mouseClick(form().EditPAlt1, Qt::LeftButton);
    EXPECT_EQ(text(), "Hej Bath,");
    EXPECT_EQ(ws().ActiveLexiconFolder, path("ensv"));
}

// A mouse press in the text deletes a pending word, and the next choice only looks up.
TEST_F(WritingWindowTest, AMousePressInTheText) {
    start();
    write("Hej ,,prov ");
    QTest::mouseClick(form().RichEdit2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(text(), "Hej  ");
    typeWord("bad");
    QTest::mouseClick(form().RichEdit2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(form().EditPAlt1, Qt::LeftButton);
    EXPECT_EQ(text(), "Hej  ");
    EXPECT_EQ(form().Edit1->text(), "bath");
}

TEST_F(WritingWindowTest, PagingScrollsThroughASupplementaryHeadwordLine) {
    folder.writeLines("svena/Palt.lex", {".P", "P", ".prov", "exam2", kSentinelP, "F"});
    start();
    typeWord("prov");
    for (int step = 0; step < 4; ++step) {
        QTest::mouseClick(form().LabelPAlt2, Qt::LeftButton);
    }
    EXPECT_EQ(form().EditPAlt1->text(), "probe");
    EXPECT_EQ(form().EditPAlt2->text(), ".prov");
    EXPECT_EQ(form().EditPAlt3->text(), "exam2");
    EXPECT_FALSE(form().LabelPAlt2->isVisibleTo(form().PanelAlt1));
    QTest::mouseClick(form().LabelPAlt1, Qt::LeftButton);
    EXPECT_EQ(form().EditPAlt3->text(), ".prov");
    EXPECT_TRUE(form().LabelPAlt2->isVisibleTo(form().PanelAlt1));
}

TEST_F(WritingWindowTest, TheWheelMarksAndChoosesWhileLexicon2IsActive) {
    start();
    write(",,prov1");  // now Lexicon2 shows "test": prov, försök
    ASSERT_EQ(ws().ActiveLexiconFolder, path("ensv"));
    auto turn = [this](int delta) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form().RichEdit2->viewport(), &wheel);
    };
    turn(-120);
    EXPECT_EQ(groundOf(*form().EditPAlt2), QColor(0xE3, 0xE3, 0xE3));
    turn(120);  // choose box 2
    EXPECT_EQ(form().Edit1->text(), "försök");
    EXPECT_EQ(ws().ActiveLexiconFolder, path("sven"));
}

TEST_F(WritingWindowTest, TheFrameWidensForALongAlternative) {
    folder.writeLines("sven/Lalt.lex", {".L", "L", ".lang", "a very long alternative indeed",
                                        ".l\xFF\xFF\xFF", "F"});
    start();
    typeWord("lang");
    const int frame = form().PanelAlt1->width(), box = form().EditPAlt1->width();
    QTest::mouseMove(form().EditPAlt1, QPoint(3, 3));
    EXPECT_GT(form().PanelAlt1->width(), frame);
    EXPECT_GT(form().EditPAlt1->width(), box);
    QTest::mouseMove(form().RichEdit2->viewport(), QPoint(3, 3));
    EXPECT_EQ(form().PanelAlt1->width(), frame);
}

}  // namespace
}  // namespace vernik
