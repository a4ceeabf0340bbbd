#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "platform/qt_translations.h"
#include "platform/widget_look.h"
#include "program_fixture.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

// The program started with a fresh temporary folder as the current folder.
class StartWindowTest : public ProgramFixture {
  protected:
    std::string startFolder() const { return fs::current_path().string(); }
    void activate() {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&form(), &activate);
    }
};

TEST_F(StartWindowTest, StartTextIsRemovedByTheFirstTypedKey) {
    start();
    QTextEdit& box = *form().RichEdit2;
    const QString guide = box.toPlainText();
    const QStringList lines = guide.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 15);
    EXPECT_EQ(lines.front(), QStringLiteral("             Utfilruta "));
    // The box takes the text area's margin and width and reaches 80 pixels
    // above the bottom of the screen.
    const int bottom = form().screen()->geometry().height() - 80;
    EXPECT_EQ(box.geometry(), QRect(20, 118, 680, bottom - 118));
    // Paragraphs have no line ends of their own: the box wraps them at its width.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.contains(
            QStringLiteral("har hämtat. Denna text försvinner när du börjar "
                           "skriva eller när du använder Rensa under "
                           "högerklicksmenyn."));
    }));

    // Moving the caret does not count as writing.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.toPlainText(), guide);
    EXPECT_FALSE(ws().OutputBoxStarted);

    // The first key may be a letter outside ASCII; from then on keys are typed as usual.
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_Aring, QStringLiteral("å"), Qt::NoModifier);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("å"));
    EXPECT_TRUE(ws().OutputBoxStarted);
    QTest::keyClick(&box, Qt::Key_R);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("år"));
}

// Which folder is of which kind is decided by an engine with tests of its own;
// here only that start-up takes the built-in folders and colours the label.
TEST_F(StartWindowTest, KindOfLexicon1ShowsInTheColourOfItsLabel) {
    start();
    const std::string sven = startFolder() + "/sven";
    EXPECT_EQ(ws().Lexicon1Folder, sven);
    EXPECT_EQ(ws().Lexicon2Folder, startFolder() + "/ensv");
    EXPECT_EQ(ws().ActiveLexiconFolder, sven);
    EXPECT_FALSE(ws().Lexicon1IsLexicon);
    EXPECT_EQ(form().Label2->text(), QString::fromStdString(sven));
    EXPECT_EQ(textColourOf(*form().Label2), look::pureRed());

    program.reset();
    folder.writeLines("sven/Aalt.lex", {".a", "a", ".a\xFF\xFF\xFF", "Filslutsindikering"});
    start();
    EXPECT_TRUE(ws().Lexicon1IsLexicon);
    EXPECT_EQ(textColourOf(*form().Label2), look::black());
}

TEST_F(StartWindowTest, TitlePageCoversTheScreenWhenTheSettingsAskForIt) {
    program = std::make_unique<Program>();
    // The built-in settings ask for the title page.
    program->form.show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return program->startUp.hasRun(); }, 5000));
    EXPECT_TRUE(form().Panel1->isVisible());
    EXPECT_EQ(form().Panel1->geometry(), QRect(QPoint(0, 0), form().screen()->geometry().size()));
}

TEST_F(StartWindowTest, StartUpRunsOnTheFirstActivationOnly) {
    program = std::make_unique<Program>();
    ASSERT_FALSE(program->startUp.hasRun());
    activate();  // before the window shows
    EXPECT_TRUE(program->startUp.hasRun());
    EXPECT_EQ(ws().StartFolder, startFolder());

    ws().OutputBoxStarted = true;
    ws().Lexicon1Folder = "/elsewhere";
    activate();
    EXPECT_TRUE(ws().OutputBoxStarted);
    EXPECT_EQ(ws().Lexicon1Folder, "/elsewhere");
}

TEST_F(StartWindowTest, TheExitPanelTakesTheKeysWhileItAsks) {
    start();
    form().RichEdit2->setPlainText("text");
    ws().OutputBoxStarted = true;
    state().document.DocumentChanged = true;
    auto ask = [this] {
        form().Nytt1->trigger();
        ASSERT_TRUE(form().PanelExit->isVisible());
    };
    ask();
    EXPECT_TRUE(form().ButtonPExit1->hasFocus());
    QTest::keyClicks(form().RichEdit2, "xy");  // the document behind does not take them
    EXPECT_EQ(form().RichEdit2->toPlainText(), "text");
    QTest::keyClick(form().RichEdit2, Qt::Key_Escape);  // "Avbryt"
    EXPECT_FALSE(form().PanelExit->isVisible());
    EXPECT_EQ(form().RichEdit2->toPlainText(), "text");
    QTest::keyClicks(form().RichEdit2, "x");  // asked no more: keys go to the document
    EXPECT_EQ(form().RichEdit2->toPlainText(), "xtext");

    ask();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "Ja": save, here cancelled
    EXPECT_FALSE(form().PanelExit->isVisible());
    EXPECT_EQ(dialogs->saved, 1);

    ask();
    form().ButtonPExit2->setFocus();  // Enter presses the button chosen with the keyboard
    QTest::keyClick(form().ButtonPExit2, Qt::Key_Enter);
    EXPECT_FALSE(form().PanelExit->isVisible());
    EXPECT_TRUE(form().RichEdit2->toPlainText().isEmpty());  // "Nej": a new document
}

TEST_F(StartWindowTest, StandardDialogsSpeakSwedish) {
    EXPECT_FALSE(installSwedishQtTranslations(QString::fromStdString(path("no-such-folder"))));
    start();  // the program starts with or without Qt's translations
    if (!QFile::exists(qtTranslationsFolder() + "/qt_sv.qm") &&
        !QFile::exists(qtTranslationsFolder() + "/qtbase_sv.qm")) {
        GTEST_SKIP() << "Qt's Swedish translations are not installed";
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Avbryt");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), "Öppna");
}

}  // namespace
}  // namespace vernik
