#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "platform/qt_translations.h"
#include "platform/widget_look.h"
#include "program_fixture.h"
#include "workspace/lexicon1_label.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

// Captions of a menu's items in order, a separator as "-".
QStringList captions(const QList<QAction*>& items) {
    QStringList out;
    for (const QAction* item : items)
        out << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return out;
}

QStringList lines(const QTextEdit& box) {
    return box.toPlainText().split(QLatin1Char('\n'));
}

// The program started with a fresh temporary folder as the current folder.
class StartWindowTest : public ProgramFixture {
  protected:
    std::string startFolder() const { return fs::current_path().string(); }
    void activate() {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&form(), &activate);
    }
};

TEST_F(StartWindowTest, ControlsSitAtTheirDesignedPlacesAndOnlyThoseOfTheStartShow) {
    start();
    TForm1& f = form();
    // The output box (last) takes the text area's margin 20 and width 680 at start,
    // and reaches 80 pixels above the bottom of the screen.
    const int bottom = f.screen()->geometry().height() - 80;
    const struct {
        QWidget* control;
        QRect geometry;
        bool visible;
    } places[] = {
        {f.PanelAlt1, {1, 0, 253, 95}, true},    {f.EditPAlt1, {16, 13, 220, 21}, true},
        {f.EditPAlt2, {16, 32, 220, 21}, true},  {f.EditPAlt3, {16, 54, 220, 21}, true},
        {f.Edit1, {1, 96, 120, 21}, true},       {f.Edit2, {125, 96, 128, 21}, true},
        {f.Button1, {696, 90, 83, 25}, true},    {f.RichEdit3, {270, 5, 465, 80}, true},
        {f.EditPAlt4, {16, 13, 220, 21}, false}, {f.EditPAlt6, {16, 54, 220, 21}, false},
        {f.Edit5, {125, 96, 300, 21}, false},    {f.Edit3, {272, 8, 409, 24}, false},
        {f.Memo1, {270, 5, 481, 80}, false},     {f.RichEdit2, {20, 118, 680, bottom - 118}, true},
    };
    for (const auto& place : places) {
        const std::string name = place.control->objectName().toStdString();
        EXPECT_EQ(place.control->isVisible(), place.visible) << name;
        EXPECT_EQ(place.control->geometry(), place.geometry) << name;
    }
    const struct {
        QLabel* label;
        QPoint at;
        QString text;
        bool visible;
    } labels[] = {
        {f.Label1, {255, 85}, "Lex1:", true},
        {f.Label2, {282, 85}, QString::fromStdString(startFolder() + "/sven"), true},
        {f.Label13, {255, 100}, "Lex2:", true},
        {f.Label14, {282, 100}, QString::fromStdString(startFolder() + "/ensv"), true},
        {f.Label22, {500, 85}, "", true},
        {f.Label15, {500, 100}, "", true},
        {f.LabelPAlt1, {16, 0}, "Återgå", false},
        {f.LabelPAlt2, {16, 79}, "Flera Alternativ", false},
    };
    for (const auto& label : labels) {
        const std::string name = label.label->objectName().toStdString();
        EXPECT_EQ(label.label->isVisible(), label.visible) << name;
        EXPECT_EQ(label.label->pos(), label.at) << name;
        EXPECT_EQ(label.label->text(), label.text) << name;
    }
    for (QWidget* control : std::initializer_list<QWidget*>{f.EditPAlt5, f.LabelPAlt3, f.Panel1,
                                                            f.Button2, f.Button4, f.Button5}) {
        EXPECT_FALSE(control->isVisible()) << control->objectName().toStdString();
    }

    EXPECT_EQ(f.RichEdit2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(f.RichEdit2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(f.isMaximized());
    EXPECT_EQ(f.Timer3->interval(), 1000);
    EXPECT_TRUE(f.Timer3->isSingleShot());
    EXPECT_FALSE(f.Timer3->isActive());
}

TEST_F(StartWindowTest, LooksOfFrameBoxesAndMessageBars) {
    start();
    TForm1& f = form();
    EXPECT_EQ(groundOf(*f.PanelAlt1), look::activeCaptionGradient());
    for (QLineEdit* box : {f.EditPAlt1, f.EditPAlt2, f.EditPAlt3}) {
        EXPECT_TRUE(box->font().bold()) << box->objectName().toStdString();
        EXPECT_EQ(box->font().pointSize(), 12);
        EXPECT_EQ(box->text(), QStringLiteral("Utordruta"));
    }
    for (QLineEdit* box : {f.EditPAlt4, f.EditPAlt5, f.EditPAlt6}) {
        EXPECT_EQ(groundOf(*box), look::tooltipBackground()) << box->objectName().toStdString();
        EXPECT_EQ(textColourOf(*box), look::pureRed());
        EXPECT_FALSE(box->font().bold());
    }
    for (QLineEdit* bar : {f.Edit3, f.Edit5}) {
        EXPECT_EQ(groundOf(*bar), look::pureRed()) << bar->objectName().toStdString();
        EXPECT_EQ(textColourOf(*bar), QColor(Qt::white));
    }
    EXPECT_TRUE(f.Edit3->font().bold());
    EXPECT_EQ(f.Edit3->font().pixelSize(), 13);
    // The settings' font replaces the designed one; built in: MS Sans Serif, 14 points.
    EXPECT_FALSE(f.RichEdit2->font().bold());
    EXPECT_EQ(f.RichEdit2->font().pointSize(), 14);
    EXPECT_EQ(f.RichEdit2->font().styleHint(), QFont::SansSerif);
    EXPECT_EQ(f.font().pointSize(), 8);
    EXPECT_EQ(f.Edit1->font().pointSize(), 12);
}

TEST_F(StartWindowTest, MenusAndCaptionsOfTheStart) {
    start();
    TForm1& f = form();
    // Each menu's captions in order, "|" between them.
    const std::pair<const QWidget*, QString> menus[] = {
        {f.menuBar(),
         "Arkiv|Redigera|Lexikonval|Options|Lexikonhantering|Bruksanvisningar|Språk|Andra program|"
         "Musskrift|Spelled speech|Internet"},
        {f.Arkiv1,
         "Nytt|Hämta Utfil|Hämta oformaterad Utfil|Visa Hackerbild|Spara  Utfil        Ctrl-S|"
         "Spara utfil som|Spara oformaterad Utfil som|Skriv ut Utfil|Exit"},
        {f.Redigera1,
         "Klipp ut|Kopiera|Klistra in|Markera allt|Sök i Utfilruta|Byt ut i Utfilruta"},
        {f.Lex1, "Lexikon1|Lexikon2|Stäng Lexikon2"},
        {f.Options,
         "Ta bort html-tags|Ta bort radslut|Lägg in radslut|Teckenförskjutning|Flytta ÅÄÖ|Textyta|"
         "Font|Startvärden|Ny Ini-fil|Eget Latinskt till Special|Främmande Latinskt till Special|"
         "Bytes till siffror|Siffror till bytes|Unicode till VernikCyr|Dölj bild"},
        {f.LexAdd,
         "Addera lexikon|Lexikonskillnad|Inte i huvudlexikon|Nya listord|Lexikonomvändning|"
         "Lexikon till lista|Insortering|Textkontroll|Nyord i Lexikon1|Rensa nyord|"
         "Räkna ord i Lexikon1"},
        {f.Bruk1,
         "Om Vernik|-|Bruksanvisning|Lexikonhantering|Alfabet|Vernik på CD|Om textformatering|"
         "Musskrift|Spelled speech|Ordlista |Språk|Internet"},
        {f.Andraprogram1, "Anteckningar|WordPad|Word dokument"},
        {f.PopupMenu1, "Hämta Utfil|Spara Utfil|Skriv ut Utfil|Rensa|Sök i Utfilruta"},
    };
    for (const auto& [menu, items] : menus) {
        EXPECT_EQ(captions(menu->actions()).join('|'), items) << menu->objectName().toStdString();
    }
    EXPECT_EQ(f.RichEdit2->contextMenuPolicy(), Qt::CustomContextMenu);

    // Disabled until a later command enables them.
    EXPECT_FALSE(f.Hack1->isEnabled());
    EXPECT_FALSE(f.Byt1->isEnabled());
    EXPECT_FALSE(f.Word1->isEnabled());
    EXPECT_TRUE(f.Spara1->isEnabled());

    // Handlers find the commands by the names they use.
    for (const char* name :
         {"Lex1Val",     "Lex2Val",    "Lex2off", "Specialalfabet1", "Specialalfabet2",
          "PrintUtfil1", "Textwidth1", "Lexomv1", "LexList1",        "Insortering1",
          "Nyalistord1", "Lexsub1",    "Lexsub2", "Hack1",           "Lang1",
          "Internet1",   "Musskrift0", "Spsp1",   "Bildbort1",       "Rensa1",
          "PrintUtfil2"}) {
        EXPECT_NE(f.findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
    }

    // Captions set at start, some of them switched at run time.
    const std::pair<QString, QString> texts[] = {
        {f.findChild<QAction*>("Lang1")->text(), "Språk"},
        {f.Button1->text(), "Visa Lexikon"},
        {f.Button2->text(), "Lägg in kommentarer"},
        {f.Button4->text(), "Återgå"},
        {f.Button5->text(), "Långa rader"},
        {f.Edit1->text(), "Inordruta"},
        {f.Edit2->text(), "Uppslagsord"},
        {f.Lex2off->text(), "Stäng Lexikon2"},
        {f.Specialalfabet1->text(), "Eget Latinskt till Special"},
        {f.Specialalfabet2->text(), "Främmande Latinskt till Special"},
    };
    for (const auto& [text, expected] : texts) EXPECT_EQ(text, expected);
    EXPECT_EQ(ws().CaptionOpenLexicon2, "\xD6ppna Lexikon2");
    EXPECT_EQ(state().fonts.CaptionOwnFromSpecial, "Eget Special till Latinskt");
}

TEST_F(StartWindowTest, StartTextIsRemovedByTheFirstTypedKey) {
    start();
    QTextEdit& box = *form().RichEdit2;
    const QStringList guide = lines(box);
    ASSERT_GE(guide.size(), 15);
    EXPECT_EQ(guide.front(), QStringLiteral("             Utfilruta "));
    // Paragraphs have no line ends of their own: the box wraps them at its width.
    EXPECT_TRUE(std::any_of(guide.begin(), guide.end(), [](const QString& line) {
        return line.contains(
            QStringLiteral("har hämtat. Denna text försvinner när du börjar "
                           "skriva eller när du använder Rensa under "
                           "högerklicksmenyn."));
    }));
    EXPECT_FALSE(ws().OutputBoxStarted);

    // Moving the caret does not count as writing.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(lines(box), guide);
    EXPECT_FALSE(ws().OutputBoxStarted);

    // The first key may be a letter outside ASCII; from then on keys are typed as usual.
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_Aring, QStringLiteral("å"), Qt::NoModifier);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("å"));
    EXPECT_TRUE(ws().OutputBoxStarted);
    QTest::keyClick(&box, Qt::Key_R);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("år"));
}

TEST_F(StartWindowTest, KindOfLexicon1ShowsInTheColourOfItsLabel) {
    // Without sven: the default folder, in red. (Which folder is of which kind
    // is decided by an engine with tests of its own.)
    start();
    const std::string sven = startFolder() + "/sven";
    EXPECT_EQ(ws().Lexicon1Folder, sven);
    EXPECT_EQ(ws().Lexicon2Folder, startFolder() + "/ensv");
    EXPECT_EQ(ws().ActiveLexiconFolder, sven);
    EXPECT_FALSE(ws().Lexicon1IsLexicon || ws().Lexicon1IsList);
    EXPECT_EQ(ws().ListFileName, "");
    EXPECT_EQ(textColourOf(*form().Label2), look::pureRed());

    // sven with an alt file: a lexicon in black.
    program.reset();
    folder.writeLines("sven/Aalt.lex", {".a", "a", ".a\xFF\xFF\xFF", "Filslutsindikering"});
    start();
    EXPECT_TRUE(ws().Lexicon1IsLexicon);
    EXPECT_FALSE(ws().Lexicon1IsList);
    EXPECT_EQ(ws().Lexicon1Setting, sven);
    EXPECT_EQ(form().Label2->text(), QString::fromStdString(sven));
    EXPECT_EQ(textColourOf(*form().Label2), look::black());

    // Lexicon1 given as a list file: its folder becomes Lexicon1 and stays active.
    const std::string list = folder.writeLines("lists/Alist.lex", {"apa monkey"}).string();
    ws().Lexicon1Folder = ws().ActiveLexiconFolder = ws().Lexicon1Setting = list;
    showLexicon1Kind(form(), ws());
    EXPECT_EQ(ws().Lexicon1Folder, folder.str() + "/lists");
    EXPECT_EQ(ws().ActiveLexiconFolder, ws().Lexicon1Folder);
    EXPECT_TRUE(ws().Lexicon1IsList);
    EXPECT_EQ(ws().ListFileName, list);
    EXPECT_EQ(form().Label2->text(), QString::fromStdString(list));
    EXPECT_EQ(textColourOf(*form().Label2), look::fuchsia());
}

TEST_F(StartWindowTest, TitlePageCoversTheScreenWhenTheSettingsAskForIt) {
    program = std::make_unique<Program>();
    // The built-in settings ask for the title page; it shows once it has content.
    new QPushButton(QStringLiteral("START"), form().Panel1);
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
