#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/box_code_page.h"
#include "platform/decimal_number.h"
#include "program_fixture.h"
#include "settings/settings_form_boxes.h"

namespace vernik {
namespace {

class FontsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven", "ensv"});
    }
    FontControls& fonts() { return form().Fonts; }
    QString text() { return form().RichEdit2->toPlainText(); }
    std::string bytes() { return program->outputBox.text(); }
    void write(const QString& keys) { QTest::keyClicks(form().RichEdit2, keys); }
    void chooseFont(const QString& name, const QString& charset = {}) {
        form().Font1->trigger();
        fonts().EditPF1->setText(name);
        fonts().EditPF5->setText(charset);
        QTest::mouseClick(fonts().ButtonPF2, Qt::LeftButton);  // "O K "
    }
    void startWriting() {
        write(QStringLiteral("x"));
        form().RichEdit2->clear();
    }
};

TEST_F(FontsWindowTest, ForeignAlphabetInTheOwnCyrillicFontTypesAndSavesCyrillicBytes) {
    start();
    chooseFont(QStringLiteral("VernikCyr1"));
    EXPECT_FALSE(fonts().PanelFont->isVisible());
    EXPECT_EQ(fonts().Edit7->text(), "127");
    EXPECT_EQ(state().fonts.SpecialShift, 127);

    form().Specialalfabet2->trigger();
    EXPECT_TRUE(state().fonts.ForeignSpecial);
    EXPECT_TRUE(fonts().LabelT[0]->isVisible());
    EXPECT_EQ(fonts().LabelT[0]->text(), QStringLiteral("А Б В Г Д "));

    startWriting();
    write(QStringLiteral("Abc"));
    EXPECT_EQ(text(), QStringLiteral("Абв"));
    EXPECT_EQ(bytes(), "\xC0\xE1\xE2");
    dialogs->saveAnswers.push_back(QString::fromStdString(path("cyr.txt")));
    form().SaveOfUtfil1->trigger();
    EXPECT_EQ(TestFolder::read(folder / "cyr.txt"), "\xC0\xE1\xE2");

    // Switched off, keys are the keyboard's again, and ö takes the font's place.
    form().Specialalfabet2->trigger();
    EXPECT_FALSE(fonts().LabelT[0]->isVisible());
    write(QStringLiteral("d"));
    QTest::sendKeyEvent(QTest::Click, form().RichEdit2, Qt::Key_Odiaeresis, QStringLiteral("ö"),
                        Qt::NoModifier);
    EXPECT_EQ(bytes(),
              "\xC0\xE1\xE2"
              "d\xB6");
    EXPECT_EQ(text(), QStringLiteral("Абвdö"));
}

TEST_F(FontsWindowTest, TheLexiconsCharacterTableIsOfferedAtStartAndJaAppliesIt) {
    folder.writeLines("sven/teck.tab",
                      {"Grekiska", "Kodtext", "", "", "", "", "", "2", "VernikGrek1", "064 000",
                       "Bak1", "", "", "", "", "", "", "065 193 300", "300 001 002"});
    start();
    ASSERT_TRUE(fonts().PanelTab1->isVisible());
    EXPECT_EQ(state().fonts.ForeignTable[66], 66);  // nothing until "Ja"

    QTest::mouseClick(fonts().ButtonPTab1, Qt::LeftButton);
    const FontState& f = state().fonts;
    EXPECT_FALSE(fonts().PanelTab1->isVisible());
    EXPECT_TRUE(fonts().PanelFont->isVisible());  // opened so that the result shows
    EXPECT_EQ(fonts().EditPF1->text(), "VernikGrek1");
    EXPECT_FALSE(fonts().EditPF5->isVisibleTo(fonts().PanelFont));
    EXPECT_EQ(f.MainFont.name, "VernikGrek1");
    EXPECT_TRUE(f.ForeignSpecial);
    EXPECT_EQ(f.ForeignTable[65], 193);
    EXPECT_EQ(f.ForeignTable[66], 130);
    EXPECT_EQ(f.OwnTable[65], 65);
    EXPECT_EQ(f.BackwardsSetting, "Bak1");
    // The lookup boxes show their bytes as Greek.
    EXPECT_EQ(boxText(*form().Edit2, "\xE1"), QStringLiteral("α"));

    // A table without the start mark loaded by "Kör teck.tab" leaves identity.
    folder.writeLines("other.tab", {"065 066 067"});
    dialogs->openAnswers.push_back(QString::fromStdString(path("other.tab")));
    QTest::mouseClick(fonts().ButtonPF4, Qt::LeftButton);
    EXPECT_EQ(f.ForeignTable, identityByteTable());
    EXPECT_EQ(f.MainFont.name, "VernikGrek1");

    // Choosing a Lexicon1 that holds a teck.tab asks again; "Nej" only closes.
    QTest::mouseClick(fonts().ButtonPF3, Qt::LeftButton);
    form().Lex1Val->trigger();
    form().EditPLex1->setText(QString::fromStdString(path("sven/Aalt.lex")));
    QTest::mouseClick(form().ButtonPLex2, Qt::LeftButton);
    EXPECT_TRUE(fonts().PanelTab1->isVisible());
    QTest::mouseClick(fonts().ButtonPTab2, Qt::LeftButton);
    EXPECT_FALSE(fonts().PanelTab1->isVisible());
    EXPECT_EQ(f.ForeignTable, identityByteTable());
}

TEST_F(FontsWindowTest, FontPanelCharsetsAndBadNumbers) {
    start();
    startWriting();
    program->outputBox.insert("\xC0\xE9");
    chooseFont(QStringLiteral("Arial"), QStringLiteral("RUSSIAN_CHARSET"));
    EXPECT_EQ(state().fonts.MainFont.charset, 204);
    EXPECT_EQ(text(), QStringLiteral("Ай"));  // the same bytes as other letters
    EXPECT_EQ(bytes(), "\xC0\xE9");
    chooseFont(QStringLiteral("Arial"), QStringLiteral("russian_charset"));
    EXPECT_EQ(state().fonts.MainFont.charset, 0);
    EXPECT_EQ(text(), QStringLiteral("Àé"));
    // A double-byte set shows a pair of bytes as one character.
    program->outputBox.clear();
    program->outputBox.insert("\x82\xA0");
    chooseFont(QStringLiteral("Arial"), QStringLiteral("128"));
    EXPECT_EQ(text(), QStringLiteral("あ"));
    EXPECT_EQ(bytes(), "\x82\xA0");
    chooseFont(QStringLiteral("Arial"), QStringLiteral("0"));

    // The panel proposes print scales where the settings ask for it.
    settingsBoxPairs(form())[static_cast<std::size_t>(SettingsEntry::ScaleHor)].mod->setText(
        QStringLiteral("4"));
    valueBox(form(), SettingsEntry::PageNumbers).setText(QStringLiteral("4"));
    form().EditPW4->clear();
    form().Font1->trigger();
    EXPECT_EQ(valueBox(form(), SettingsEntry::ScaleHor).text(),
              QString::fromStdString(formatDecimalComma(form().RichEdit2->logicalDpiY() * 0.0677)));
    EXPECT_GT(form().EditPW4->text().toInt(), 0);
    QTest::mouseClick(fonts().ButtonPF3, Qt::LeftButton);  // "Avbryt"
    EXPECT_FALSE(fonts().PanelFont->isVisible());

    const int size = state().fonts.MainFont.size;
    form().Font1->trigger();
    fonts().EditPF2->setText(QStringLiteral("stor"));
    QTest::mouseClick(fonts().ButtonPF2, Qt::LeftButton);
    EXPECT_TRUE(fonts().PanelFont->isVisible());
    EXPECT_TRUE(form().Edit3->text().contains(QStringLiteral("Fontstorlek")));
    EXPECT_EQ(state().fonts.MainFont.size, size);

    // A name of 10,000 characters is cut to a short text.
    fonts().EditPF2->setText(QStringLiteral("15"));
    fonts().EditPF1->setText(QString(10000, u'F'));
    QTest::mouseClick(fonts().ButtonPF2, Qt::LeftButton);
    EXPECT_EQ(state().fonts.MainFont.name, std::string(255, 'F'));
    EXPECT_EQ(state().fonts.MainFont.size, 15);

    // "Ny Font" fills the boxes from the dialog's font.
    form().Font1->trigger();
    QFont chosen(QStringLiteral("DejaVu Serif"), 20);
    chosen.setBold(true);
    dialogs->fontAnswers.push_back(chosen);
    QTest::mouseClick(fonts().ButtonPF1, Qt::LeftButton);
    EXPECT_EQ(fonts().EditPF1->text(), "DejaVu Serif");
    EXPECT_EQ(fonts().EditPF2->text(), "20");
    EXPECT_EQ(fonts().EditPF4->text(), "fsBold");
}

TEST_F(FontsWindowTest, KeyboardShiftHexDisplayAndMovingAao) {
    start();
    startWriting();
    form().Bias1->trigger();
    EXPECT_TRUE(fonts().PanelBias->isVisible());
    QTest::mouseClick(fonts().ButtonPBias3, Qt::LeftButton);  // "+64"
    write(QStringLiteral("A"));
    QTest::mouseClick(fonts().ButtonPBias1, Qt::LeftButton);  // "-64"
    write(QStringLiteral(" "));
    EXPECT_EQ(bytes(), std::string("\x81\0", 2));

    fonts().EditPBias1->setText(QStringLiteral("x"));
    write(QStringLiteral("B"));
    EXPECT_EQ(bytes(), std::string("\x81\0", 2));
    EXPECT_TRUE(form().Edit3->text().contains(QStringLiteral("Teckenförskjutning")));

    program->outputBox.clear();
    program->outputBox.insert("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    form().RichEdit2->selectAll();
    EXPECT_EQ(form().Edit1->text(), "0123456789ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(form().EditPAlt3->text(), " 4B 4C 4D 4E 4F 50 51 52 53 54");
    QTest::mouseClick(fonts().ButtonPBias5, Qt::LeftButton);  // "Normal text"
    EXPECT_FALSE(state().fonts.KeyboardShiftOn);

    program->outputBox.clear();
    program->outputBox.insert("\xC5sa \xE4r \xB6");
    QTextCursor bold(form().RichEdit2->document());
    bold.setPosition(0);
    bold.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(format);
    form().Flytta1->trigger();
    QTest::mouseClick(fonts().ButtonPKonv1, Qt::LeftButton);
    EXPECT_FALSE(fonts().PanelKonv->isVisible());
    EXPECT_EQ(bytes(), "\xA5sa \xB4r \xB6");
    QTextCursor at(form().RichEdit2->document());
    at.setPosition(1);
    EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);  // Å kept its format
    form().Flytta1->trigger();
    QTest::mouseClick(fonts().ButtonPKonv2, Qt::LeftButton);
    EXPECT_EQ(bytes(), "\xC5sa \xE4r \xF6");  // ö was at the own place before
}

TEST_F(FontsWindowTest, OwnAlphabetShiftAndBackwardsWriting) {
    start();
    fonts().Edit7->setText(QStringLiteral("1"));
    form().Specialalfabet1->trigger();
    EXPECT_TRUE(state().fonts.OwnSpecial);
    EXPECT_TRUE(fonts().Edit7->isVisible());
    EXPECT_EQ(fonts().Edit7->text(), "128");
    EXPECT_EQ(state().fonts.SpecialShift, 128);
    fonts().Edit7->setText(QStringLiteral("1x"));
    EXPECT_EQ(state().fonts.SpecialShift, 128);
    EXPECT_FALSE(form().Edit3->text().isEmpty());

    // In the input box the own alphabet converts; "Bak1" writes right to left.
    state().fonts.BackwardsSetting = "Bak1";
    form().Edit1->clear();
    form().Edit1->setFocus();
    QTest::keyClicks(form().Edit1, QStringLiteral("ab"));
    EXPECT_TRUE(state().fonts.BackwardsWriting);
    EXPECT_EQ(boxBytes(*form().Edit1, form().Edit1->text()), "\xE2\xE1");
    form().Specialalfabet1->trigger();
    EXPECT_FALSE(state().fonts.OwnSpecial);
}

}  // namespace
}  // namespace vernik
