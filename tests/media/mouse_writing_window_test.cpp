#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextEdit>
#include <map>

#include "platform/widget_look.h"
#include "program_fixture.h"

namespace {

class MouseWritingWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        start();
        form().Musskrift0->trigger();
    }

    // The pointer arrives on a control and moves over it, as a hand on the
    // mouse does.
    static void pass(QWidget* control) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(control, &enter);
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &move);
    }

    // Passes over the controls named by `path`: "band", "cell57", "active",
    // "break", "delete", "shift", "middle", "button".
    void walk(const QString& path) {
        const std::map<QString, QWidget*> named = {
            {QStringLiteral("band"), form().LabelMusTv},
            {QStringLiteral("active"), form().EditMusT000a},
            {QStringLiteral("break"), form().EditMusT000b},
            {QStringLiteral("delete"), form().EditMusT000c},
            {QStringLiteral("shift"), form().LabelMusSh},
            {QStringLiteral("middle"), form().EditMusT0000},
            {QStringLiteral("button"), form().Button8},
        };
        for (const QString& step : path.split(u' ', Qt::SkipEmptyParts)) {
            if (step.startsWith(u"cell")) {
                pass(form().EditMusT[step.mid(4).toInt() - 1]);
            } else {
                ASSERT_TRUE(named.count(step)) << step.toStdString();
                pass(named.at(step));
            }
        }
    }

    std::string outputText() { return program->outputBox.text(); }
};

struct WalkCase {
    const char* name;
    const char* before;  // the output box's text first, cursor at its end
    const char* path;
    const char* after;
};

TEST_F(MouseWritingWindowTest, PointerPathsEditTheOutputBox) {
    const WalkCase cases[] = {
        {"a cell's character", "", "band cell57 band", "x"},
        {"written at the cursor", "ab", "band cell57 band cell58 band", "abxy"},
        {"a blank, a character and a line break", "", "band active band cell57 band break break",
         " x\n"},
        {"the line break waits for a band", "", "band active break", " "},
        {"the delete box takes back the last write", "ab", "band cell57 band delete", "ab"},
        {"the delete box goes back one each time", "",
         "band cell57 band cell58 band delete band "
         "delete",
         ""},
        {"the delete box with nothing written deletes nothing", "abc", "band delete", "abc"},
        {"a NUL cell writes nothing", "ab", "shift band cell1 band shift", "ab"},
        {"control codes are written as bytes", "", "shift band cell2 band shift", "\x01"},
        {"hovering a button discards the character", "", "band cell57 button band", ""},
    };
    for (const WalkCase& c : cases) {
        program->outputBox.clear();
        program->outputBox.insert(c.before);
        state().media.Mouse.WritePos = 0;
        walk(QString::fromLatin1(c.path));
        EXPECT_EQ(outputText(), c.after) << c.name;
        EXPECT_FALSE(state().media.Mouse.ShiftOn) << c.name;
    }
}

TEST_F(MouseWritingWindowTest, TwoCommasWrittenByMouseStartADoubleCommaWord) {
    walk(QStringLiteral("shift band cell45 band cell45 band"));
    EXPECT_EQ(outputText(), ",,");
    EXPECT_TRUE(ws().CaptureActive);
    EXPECT_EQ(form().Edit1->text(), QString());
}

TEST_F(MouseWritingWindowTest, CellsShowTheStateOfThePointer) {
    walk(QStringLiteral("band cell57 cell49"));
    EXPECT_EQ(form().EditMusT000a->text(), "p");
    EXPECT_EQ(vernik::groundOf(*form().EditMusT0000), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(vernik::groundOf(*form().EditMusT[56]), QColor(0x00, 0xFF, 0xFF));
    walk(QStringLiteral("cell57"));  // the write resets every cell
    EXPECT_EQ(outputText(), "p");
    EXPECT_EQ(form().EditMusT000a->text(), QString());
    EXPECT_EQ(vernik::groundOf(*form().EditMusT[48]), vernik::look::windowBackground());
    EXPECT_EQ(vernik::groundOf(*form().EditMusT0000), vernik::look::windowBackground());

    form().Button8->click();
    EXPECT_EQ(form().EditMusT[1]->text(), "41");
    EXPECT_EQ(form().Button8->text(), "Tecken");
    walk(QStringLiteral("shift"));
    EXPECT_EQ(form().EditMusT[1]->text(), "01");
    EXPECT_EQ(vernik::groundOf(*form().LabelMusSh2), vernik::look::pureRed());
}

TEST_F(MouseWritingWindowTest, MaxThenCloseReturnsToTheNormalPlaces) {
    const bool wide = form().screen()->geometry().width() > 900;
    EXPECT_EQ(form().ButtonPMus5->isEnabled(), wide);

    program->mouseWriting.ButtonPMus5Click();
    EXPECT_EQ(form().PanelMus->geometry(), QRect(2, 0, 961, 360));
    EXPECT_EQ(form().RichEdit2->y(), 358);
    EXPECT_EQ(form().ButtonPMus4->text(), "Liten");
    EXPECT_EQ(form().EditMusT[64]->geometry(), QRect(506, 0, 50, 43));

    form().Button6->click();
    EXPECT_EQ(form().PanelMus->x(), 240);
    EXPECT_EQ(form().PanelMus->height(), 120);
    EXPECT_EQ(form().RichEdit2->y(), 118);
    EXPECT_EQ(form().ButtonPMus4->text(), "Stor");
    EXPECT_EQ(form().EditMusT[64]->geometry(), QRect(234, 0, 16, 13));
    EXPECT_FALSE(form().PanelMus->isVisible());
    EXPECT_FALSE(form().Label17->isVisible());
}

// "Stor" keeps the cells' font mode: the output box's font grows with the
// panel, the small screen font stays small.
TEST_F(MouseWritingWindowTest, LargerPanelKeepsTheFontMode) {
    state().fonts.MainFont.name = "DejaVu Serif";
    auto& cellFont = state().media.Mouse.CellFont;
    form().Button7->click();
    EXPECT_EQ(cellFont.name, "DejaVu Serif");
    form().ButtonPMus4->click();
    EXPECT_EQ(cellFont.name, "DejaVu Serif");
    EXPECT_EQ(cellFont.size, 14);
    EXPECT_EQ(form().PanelMus->geometry(), QRect(2, 0, 689, 240));
    form().Button7->click();
    EXPECT_EQ(cellFont.name, "Small Fonts");
    form().ButtonPMus4->click();
    EXPECT_EQ(cellFont.name, "Small Fonts");
    EXPECT_EQ(cellFont.size, 7);
}

TEST_F(MouseWritingWindowTest, ALookupHidesThePanelAndTheStripBringsItBack) {
    walk(QStringLiteral("band cell57"));
    typeWord(QStringLiteral("a"));
    EXPECT_FALSE(form().PanelMus->isVisible());
    EXPECT_TRUE(form().Label17->isVisible());
    pass(form().Label17);
    EXPECT_TRUE(form().PanelMus->isVisible());
    EXPECT_FALSE(state().media.Mouse.Armed);
    walk(QStringLiteral("band"));
    EXPECT_EQ(outputText(), "");
}

TEST_F(MouseWritingWindowTest, OverlayFollowsTheOutputBoxForMultibyteCharsets) {
    state().fonts.MainFont.charset = 128;
    walk(QStringLiteral("band cell57 band cell58 band"));
    QPlainTextEdit& memo = *form().Memo11;
    ASSERT_TRUE(memo.isVisible());
    EXPECT_EQ(memo.toPlainText(), "xy");
    EXPECT_EQ(memo.geometry(), form().RichEdit2->geometry());

    // Typed in the overlay: written into the output box at the same place.
    memo.setFocus();
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(1);
    memo.setTextCursor(cursor);
    QTest::keyClicks(&memo, QStringLiteral("a"));
    EXPECT_EQ(outputText(), "xay");
    EXPECT_EQ(memo.toPlainText(), "xay");

    // A double-click takes pasted text back only above charset 256.
    const struct {
        const char* charset;
        std::string output;
    } clicks[] = {{"128", "xay"}, {"300", "pasted\nlines"}};
    for (const auto& click : clicks) {
        memo.show();
        memo.setPlainText(QStringLiteral("pasted\nlines"));
        form().Fonts.EditPF5->setText(QString::fromLatin1(click.charset));
        QTest::mouseDClick(memo.viewport(), Qt::LeftButton);
        EXPECT_FALSE(memo.isVisible()) << click.charset;
        EXPECT_EQ(outputText(), click.output) << click.charset;
    }

    // An output file opened while the overlay is shown shows in it too.
    walk(QStringLiteral("band cell57 band"));
    ASSERT_TRUE(memo.isVisible());
    folder.writeLines("brev.txt", {"hej"});
    state().document.DocumentChanged = false;
    dialogs->openAnswers.push_back(QString::fromStdString(path("brev.txt")));
    form().GetUtfil1->trigger();
    EXPECT_TRUE(memo.toPlainText().startsWith(QStringLiteral("hej")));
    EXPECT_EQ(memo.toPlainText(), form().RichEdit2->toPlainText());
}

}  // namespace
