#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <string>
#include <vector>

#include "extras/label_file.h"
#include "program_fixture.h"

namespace vernik {
namespace {

class LanguageWindowTest : public ProgramFixture {
  protected:
    // Language folder `number` under the start folder's "Lang", named `name`,
    // with line 17 `line17` and a label file giving menu "Arkiv" and the two
    // captions of "Visa Lexikon".
    void language(int number, const std::string& name, const std::string& line17 = "0") {
        const std::string folderName = "Lang/Lang" + std::to_string(number) + "/";
        std::vector<std::string> description(17, "");
        description[12] = name;
        description[15] = "flagga.bmp";
        description[16] = line17;
        folder.writeLines(folderName + "Start.txt", description);
        folder.write(folderName + "flagga.bmp", "not a picture");
        LabelTexts labels;
        labels.texts[labelIndex({1, 1})] = name + " file";
        labels.texts[labelIndex({4, 1})] = name + " show";
        labels.texts[labelIndex({4, 2})] = name + " close";
        folder.write(folderName + "Etikett.txt", formatLabelFile(labels));
        folder.write(folderName + "Sprk.txt", name + " spr\xE5k");  // Windows-1252
        folder.write(folderName + "Starttext.txt", "{\\rtf1\\ansi " + name + " {\\b start}}");
    }

    LanguagePanel& panel() { return program->languagePanel; }
    QString slotName(int slot) { return form().LabelPLang[slot - 1]->text(); }
    void clickSlot(int slot) { QTest::mouseClick(form().LabelPLang[slot - 1], Qt::LeftButton); }
};

TEST_F(LanguageWindowTest, SlotThreeLoadsLanguageThreeAndKeepsTwoStateCaptions) {
    for (int number = 1; number <= 3; ++number) language(number, "L" + std::to_string(number));
    start();
    form().Button1->setText(QStringLiteral("Stäng Lexikon"));
    form().Lang1->trigger();
    ASSERT_TRUE(form().PanelLang->isVisible());
    EXPECT_EQ(slotName(1), "L1");
    EXPECT_EQ(slotName(3), "L3");
    EXPECT_EQ(slotName(4), "");
    EXPECT_TRUE(form().LabelPLang0->text().isEmpty());
    EXPECT_FALSE(form().ButtonPLang2->isVisible());
    EXPECT_FALSE(form().ButtonPLang3->isVisible());
    // A picture file that is not a picture shows nothing.
    EXPECT_FALSE(form().ImagePLang[0]->isVisible());

    clickSlot(3);
    EXPECT_FALSE(form().PanelLang->isVisible());
    EXPECT_EQ(panel().langBase(), 2);
    EXPECT_EQ(form().Arkiv1->title(), "L3 file");
    EXPECT_EQ(form().Button1->text(), "L3 close");
    EXPECT_EQ(form().MemoLang->toPlainText(), "L3 språk");
    EXPECT_EQ(form().RichEdit2->toPlainText(), "L3 start");
    EXPECT_FALSE(ws().OutputBoxStarted);
    // Captions the file leaves alone stay Swedish.
    EXPECT_EQ(form().Redigera1->title(), "Redigera");

    form().Lang1->trigger();
    EXPECT_EQ(slotName(1), "L3");
    EXPECT_EQ(slotName(2), "");
    EXPECT_TRUE(form().ButtonPLang2->isVisible());
    form().ButtonPLang2->click();
    EXPECT_EQ(slotName(1), "L2");
    EXPECT_EQ(slotName(2), "L3");
    clickSlot(1);
    EXPECT_EQ(form().Arkiv1->title(), "L2 file");
    EXPECT_EQ(form().Button1->text(), "L2 close");
}

TEST_F(LanguageWindowTest, UnsavedChangesGoThroughTheExitPanel) {
    language(1, "Eng");
    start();
    state().document.DocumentChanged = true;
    form().Lang1->trigger();
    clickSlot(1);
    EXPECT_TRUE(form().PanelExit->isVisible());
    EXPECT_EQ(state().document.PendingAction, 8);
    EXPECT_EQ(form().Arkiv1->title(), "Arkiv");
    form().ButtonPExit2->click();  // "Nej": go ahead without saving
    EXPECT_EQ(form().Arkiv1->title(), "Eng file");
    EXPECT_EQ(form().Button1->text(), "Eng show");
}

TEST_F(LanguageWindowTest, LanguageFoldersWithAGapAndMoreThanSix) {
    for (const int number : {1, 3, 4, 5, 6, 7, 8}) language(number, "L" + std::to_string(number));
    start();
    form().Lang1->trigger();
    EXPECT_EQ(slotName(2), "");
    EXPECT_EQ(slotName(3), "L3");
    clickSlot(2);  // an empty slot does nothing
    EXPECT_TRUE(form().PanelLang->isVisible());
    EXPECT_EQ(form().Arkiv1->title(), "Arkiv");
    EXPECT_TRUE(form().ButtonPLang3->isVisible());
    form().ButtonPLang3->click();
    EXPECT_EQ(slotName(1), "");
    EXPECT_EQ(slotName(6), "L7");
    EXPECT_TRUE(form().ButtonPLang2->isVisible());
}

TEST_F(LanguageWindowTest, Line17AtStart) {
    struct Case {
        const char* line17;
        QString menu;
        bool message;
    };
    for (const Case& c :
         {Case{"0", QStringLiteral("Arkiv"), false}, Case{"2", QStringLiteral("L2 file"), false},
          Case{"två", QStringLiteral("Arkiv"), true}}) {
        language(1, "L1", c.line17);
        language(2, "L2");
        start();
        EXPECT_EQ(form().Arkiv1->title(), c.menu) << c.line17;
        EXPECT_EQ(form().Edit3->text().contains(QStringLiteral("Rad 17")), c.message) << c.line17;
        program.reset();
    }
}

TEST_F(LanguageWindowTest, ShippedEnglishFromTheDataFolder) {
    start();
    EXPECT_EQ(form().Arkiv1->title(), "Arkiv");  // line 17 of the shipped Lang1 is 0
    form().Lang1->trigger();
    EXPECT_EQ(slotName(1), "English");
    EXPECT_TRUE(form().ImagePLang[0]->isVisible());
    QTest::mouseClick(form().ImagePLang[0], Qt::LeftButton);
    EXPECT_EQ(form().Arkiv1->title(), "File");
    EXPECT_EQ(form().Lang1->text(), "Language");
    EXPECT_EQ(form().Button1->text(), "Show lexicon");
    // The foreign special alphabet stays off, under its English caption, and
    // its shift box stays hidden.
    EXPECT_FALSE(state().fonts.ForeignSpecial);
    EXPECT_TRUE(form().Fonts.Edit7->isHidden());
    EXPECT_EQ(form().Specialalfabet2->text(), "Foreign Latin to special");
    EXPECT_EQ(form().Specialalfabet1->text(), "Own Latin to special");
    EXPECT_TRUE(form().Memo3->toPlainText().startsWith(QStringLiteral("Manual")));
    EXPECT_TRUE(form().RichEdit2->toPlainText().contains(QStringLiteral("Output box")));
}

}  // namespace
}  // namespace vernik
