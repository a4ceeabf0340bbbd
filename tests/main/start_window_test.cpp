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

#include "main/lexicon1_label.h"
#include "main/program.h"
#include "platform/widget_look.h"
#include "test_folder.h"

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

// Starts the program with a fresh temporary folder as the current folder.
class StartWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousFolder_ = fs::current_path();
        fs::current_path(folder.path());
        startFolder = fs::current_path().string();
    }
    void TearDown() override {
        program.reset();
        fs::current_path(previousFolder_);
    }

    // Shows the window and waits for the start-up sequence to run.
    void start() {
        program = std::make_unique<Program>();
        program->form.show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return program->startUp.hasRun(); }, 5000));
    }

    TForm1& form() { return program->form; }
    WorkspaceState& workspace() { return program->state.workspace; }

    TestFolder folder;
    std::string startFolder;
    std::unique_ptr<Program> program;

  private:
    fs::path previousFolder_;
};

TEST_F(StartWindowTest, ControlsVisibleAtStartSitAtTheirDesignedPlaces) {
    start();
    TForm1& f = form();
    struct Place {
        QWidget* control;
        QRect geometry;
    };
    const Place places[] = {
        {f.PanelAlt1, {1, 0, 253, 95}},   {f.EditPAlt1, {16, 13, 220, 21}},
        {f.EditPAlt2, {16, 32, 220, 21}}, {f.EditPAlt3, {16, 54, 220, 21}},
        {f.Edit1, {1, 96, 120, 21}},      {f.Edit2, {125, 96, 128, 21}},
        {f.Button1, {696, 90, 83, 25}},   {f.RichEdit3, {270, 5, 465, 80}},
    };
    for (const Place& place : places) {
        EXPECT_TRUE(place.control->isVisible()) << place.control->objectName().toStdString();
        EXPECT_EQ(place.control->geometry(), place.geometry)
            << place.control->objectName().toStdString();
    }
    struct LabelPlace {
        QLabel* label;
        QPoint at;
        QString text;
    };
    const LabelPlace labels[] = {
        {f.Label1, {255, 85}, QStringLiteral("Lex1:")},
        {f.Label2, {282, 85}, QString::fromStdString(startFolder + "/sven")},
        {f.Label13, {255, 100}, QStringLiteral("Lex2:")},
        {f.Label14, {282, 100}, QString::fromStdString(startFolder + "/ensv")},
        {f.Label22, {500, 85}, QString()},
        {f.Label15, {500, 100}, QString()},
    };
    for (const LabelPlace& label : labels) {
        EXPECT_TRUE(label.label->isVisible()) << label.label->objectName().toStdString();
        EXPECT_EQ(label.label->pos(), label.at) << label.label->objectName().toStdString();
        EXPECT_EQ(label.label->text(), label.text) << label.label->objectName().toStdString();
    }

    // The output box reaches 80 pixels above the bottom of the screen.
    const int screenHeight = f.screen()->geometry().height();
    EXPECT_TRUE(f.RichEdit2->isVisible());
    EXPECT_EQ(f.RichEdit2->geometry(), QRect(1, 118, 780, screenHeight - 118 - 80));
    EXPECT_EQ(f.RichEdit2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(f.RichEdit2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(f.isMaximized());
}

TEST_F(StartWindowTest, ControlsOfLaterCommandsWaitHidden) {
    start();
    TForm1& f = form();
    for (QWidget* control : std::initializer_list<QWidget*>{
             f.EditPAlt4, f.EditPAlt5, f.EditPAlt6, f.LabelPAlt1, f.LabelPAlt2, f.LabelPAlt3,
             f.Edit5, f.Edit3, f.Memo1, f.Panel1, f.Button2, f.Button4, f.Button5}) {
        EXPECT_FALSE(control->isVisible()) << control->objectName().toStdString();
    }
    // Hidden controls still have their places, ready for the lookup.
    EXPECT_EQ(f.EditPAlt4->geometry(), QRect(16, 13, 220, 21));
    EXPECT_EQ(f.EditPAlt6->geometry(), QRect(16, 54, 220, 21));
    EXPECT_EQ(f.LabelPAlt1->pos(), QPoint(16, 0));
    EXPECT_EQ(f.LabelPAlt2->pos(), QPoint(16, 79));
    EXPECT_EQ(f.LabelPAlt1->text(), QStringLiteral("Återgå"));
    EXPECT_EQ(f.LabelPAlt2->text(), QStringLiteral("Flera Alternativ"));
    EXPECT_EQ(f.Edit5->geometry(), QRect(125, 96, 300, 21));
    EXPECT_EQ(f.Edit3->geometry(), QRect(272, 8, 409, 24));
    EXPECT_EQ(f.Memo1->geometry(), QRect(270, 5, 481, 80));
    EXPECT_EQ(f.Panel1->size(), f.screen()->geometry().size());
    EXPECT_EQ(f.Button4->text(), QStringLiteral("Återgå"));
    EXPECT_EQ(f.Button5->text(), QStringLiteral("Långa rader"));
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
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("Inordruta"));
    EXPECT_EQ(f.Edit2->text(), QStringLiteral("Uppslagsord"));
    EXPECT_EQ(program->state.fonts.MainFont.name, "MS Sans Serif");
}

TEST_F(StartWindowTest, MainMenuHoldsEveryCommandInOrder) {
    start();
    TForm1& f = form();
    EXPECT_EQ(captions(f.menuBar()->actions()),
              QStringList({"Arkiv", "Redigera", "Lexikonval", "Options", "Lexikonhantering",
                           "Bruksanvisningar", "Språk", "Andra program", "Musskrift",
                           "Spelled speech", "Internet"}));
    EXPECT_EQ(captions(f.Arkiv1->actions()),
              QStringList({"Nytt", "Hämta Utfil", "Hämta oformaterad Utfil", "Visa Hackerbild",
                           "Spara  Utfil        Ctrl-S", "Spara utfil som",
                           "Spara oformaterad Utfil som", "Skriv ut Utfil", "Exit"}));
    EXPECT_EQ(captions(f.Redigera1->actions()),
              QStringList({"Klipp ut", "Kopiera", "Klistra in", "Markera allt", "Sök i Utfilruta",
                           "Byt ut i Utfilruta"}));
    EXPECT_EQ(captions(f.Lex1->actions()), QStringList({"Lexikon1", "Lexikon2", "Stäng Lexikon2"}));
    EXPECT_EQ(captions(f.Options->actions()),
              QStringList({"Ta bort html-tags", "Ta bort radslut", "Lägg in radslut",
                           "Teckenförskjutning", "Flytta ÅÄÖ", "Textyta", "Font", "Startvärden",
                           "Ny Ini-fil", "Eget Latinskt till Special",
                           "Främmande Latinskt till Special", "Bytes till siffror",
                           "Siffror till bytes", "Unicode till VernikCyr", "Dölj bild"}));
    EXPECT_EQ(
        captions(f.LexAdd->actions()),
        QStringList({"Addera lexikon", "Lexikonskillnad", "Inte i huvudlexikon", "Nya listord",
                     "Lexikonomvändning", "Lexikon till lista", "Insortering", "Textkontroll",
                     "Nyord i Lexikon1", "Rensa nyord", "Räkna ord i Lexikon1"}));
    EXPECT_EQ(captions(f.Bruk1->actions()),
              QStringList({"Om Vernik", "-", "Bruksanvisning", "Lexikonhantering", "Alfabet",
                           "Vernik på CD", "Om textformatering", "Musskrift", "Spelled speech",
                           "Ordlista ", "Språk", "Internet"}));
    EXPECT_EQ(captions(f.Andraprogram1->actions()),
              QStringList({"Anteckningar", "WordPad", "Word dokument"}));

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
    EXPECT_EQ(f.findChild<QAction*>(QStringLiteral("Lang1"))->text(), QStringLiteral("Språk"));
}

TEST_F(StartWindowTest, OutputBoxPopupMenu) {
    start();
    TForm1& f = form();
    EXPECT_EQ(
        captions(f.PopupMenu1->actions()),
        QStringList({"Hämta Utfil", "Spara Utfil", "Skriv ut Utfil", "Rensa", "Sök i Utfilruta"}));
    EXPECT_EQ(f.RichEdit2->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(StartWindowTest, StartSetsCaptionsThatSwitchAtRunTime) {
    start();
    TForm1& f = form();
    EXPECT_EQ(f.Button1->text(), QStringLiteral("Visa Lexikon"));
    EXPECT_EQ(f.Button2->text(), QStringLiteral("Lägg in kommentarer"));
    EXPECT_EQ(f.Lex2off->text(), QStringLiteral("Stäng Lexikon2"));
    EXPECT_EQ(f.Specialalfabet1->text(), QStringLiteral("Eget Latinskt till Special"));
    EXPECT_EQ(f.Specialalfabet2->text(), QStringLiteral("Främmande Latinskt till Special"));
    EXPECT_EQ(workspace().CaptionOpenLexicon2, "\xD6ppna Lexikon2");
    EXPECT_EQ(program->state.fonts.CaptionOwnFromSpecial, "Eget Special till Latinskt");
}

TEST_F(StartWindowTest, StartTextIsRemovedByTheFirstTypedKey) {
    start();
    QTextEdit& box = *form().RichEdit2;
    const QStringList guide = lines(box);
    ASSERT_GE(guide.size(), 15);
    EXPECT_EQ(guide.front(), QStringLiteral("             Utfilruta "));
    EXPECT_TRUE(std::any_of(guide.begin(), guide.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral(
            "Denna text försvinner när du börjar skriva eller när du använder Rensa under "));
    }));
    EXPECT_FALSE(workspace().OutputBoxStarted);

    // Moving the caret does not count as writing.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(lines(box), guide);
    EXPECT_FALSE(workspace().OutputBoxStarted);

    QTest::keyClick(&box, Qt::Key_H);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("h"));
    EXPECT_TRUE(workspace().OutputBoxStarted);

    // From then on keys are typed into the text as usual.
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_Adiaeresis, QStringLiteral("ä"),
                        Qt::NoModifier);
    QTest::keyClick(&box, Qt::Key_R);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("här"));
}

TEST_F(StartWindowTest, FirstKeyMayBeALetterOutsideAscii) {
    start();
    QTextEdit& box = *form().RichEdit2;
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_Aring, QStringLiteral("å"), Qt::NoModifier);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("å"));
}

TEST_F(StartWindowTest, WithoutSvenLexicon1IsTheDefaultFolderInRed) {
    start();
    const std::string sven = startFolder + "/sven";
    EXPECT_EQ(workspace().StartFolder, startFolder);
    EXPECT_EQ(workspace().Lexicon1Folder, sven);
    EXPECT_EQ(workspace().Lexicon2Folder, startFolder + "/ensv");
    EXPECT_EQ(workspace().ActiveLexiconFolder, sven);
    EXPECT_FALSE(workspace().Lexicon1IsLexicon);
    EXPECT_FALSE(workspace().Lexicon1IsList);
    EXPECT_EQ(workspace().ListFileName, "");
    EXPECT_EQ(form().Label2->text(), QString::fromStdString(sven));
    EXPECT_EQ(textColourOf(*form().Label2), look::pureRed());
}

TEST_F(StartWindowTest, SvenWithAaltIsALexiconInBlack) {
    folder.writeLines("sven/Aalt.lex", {".a", "a", ".a\xFF\xFF\xFF", "Filslutsindikering"});
    start();
    EXPECT_TRUE(workspace().Lexicon1IsLexicon);
    EXPECT_FALSE(workspace().Lexicon1IsList);
    EXPECT_EQ(workspace().Lexicon1Setting, startFolder + "/sven");
    EXPECT_EQ(form().Label2->text(), QString::fromStdString(startFolder + "/sven"));
    EXPECT_EQ(textColourOf(*form().Label2), look::black());
}

TEST_F(StartWindowTest, SvenWithAlistIsAListFolderInFuchsia) {
    folder.writeLines("sven/Alist.lex", {"apa monkey"});
    start();
    EXPECT_TRUE(workspace().Lexicon1IsList);
    EXPECT_FALSE(workspace().Lexicon1IsLexicon);
    EXPECT_EQ(textColourOf(*form().Label2), look::fuchsia());
}

TEST_F(StartWindowTest, Lexicon1GivenAsAlistFileBecomesItsFolderAndStaysActive) {
    const std::string list = folder.writeLines("lists/Alist.lex", {"apa monkey"}).string();
    start();
    WorkspaceState& ws = workspace();
    ws.Lexicon1Folder = list;
    ws.ActiveLexiconFolder = list;
    ws.Lexicon1Setting = list;
    showLexicon1Kind(form(), ws);

    EXPECT_EQ(ws.Lexicon1Folder, folder.str() + "/lists");
    EXPECT_EQ(ws.ActiveLexiconFolder, ws.Lexicon1Folder);
    EXPECT_TRUE(ws.Lexicon1IsList);
    EXPECT_EQ(ws.ListFileName, list);
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

TEST_F(StartWindowTest, StartUpRunsOnlyOnTheFirstActivation) {
    start();
    workspace().OutputBoxStarted = true;
    workspace().Lexicon1Folder = "/elsewhere";
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form(), &activate);
    EXPECT_TRUE(workspace().OutputBoxStarted);
    EXPECT_EQ(workspace().Lexicon1Folder, "/elsewhere");
}

TEST_F(StartWindowTest, ActivationBeforeShowingRunsTheSequence) {
    program = std::make_unique<Program>();
    ASSERT_FALSE(program->startUp.hasRun());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form(), &activate);
    EXPECT_TRUE(program->startUp.hasRun());
    EXPECT_EQ(workspace().StartFolder, startFolder);
}

}  // namespace
}  // namespace vernik
