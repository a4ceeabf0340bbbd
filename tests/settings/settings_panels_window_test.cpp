#include "settings_window_fixture.h"

namespace vernik {
namespace {

using E = SettingsEntry;

TEST_F(SettingsWindowTest, StartValuesPanelOkAppliesTheBoxes) {
    const std::string ini = writeSettings("Vernik.ini", {{E::FontName, {"1", "Arial"}}});
    start();
    TForm1& f = form();
    f.Startv1->trigger();
    EXPECT_TRUE(f.PanelIni->isVisible());
    EXPECT_EQ(f.LabelPIni18->text(), QString::fromStdString(ini));
    EXPECT_EQ(f.EditPIni12->text(), "Arial");

    f.EditPIni12->setText("Verdana");
    f.EditPIni4->setText("lex\\ensv");
    QTest::mouseClick(f.ButtonPIni1, Qt::LeftButton);
    EXPECT_FALSE(f.PanelIni->isVisible());
    EXPECT_EQ(f.focusWidget(), f.RichEdit2);
    EXPECT_EQ(state().fonts.MainFont.name, "Verdana");
    EXPECT_EQ(ws().Lexicon2Folder, startFolder() + "/lex/ensv");
    EXPECT_EQ(f.EditPIni4->text(), QString::fromStdString(startFolder() + "/lex/ensv"));
}

TEST_F(SettingsWindowTest, StartValuesPanelAvbrytPutsEveryBoxBack) {
    start();
    TForm1& f = form();
    f.Startv1->trigger();
    const QString url = f.EditPIni26->text();
    f.EditPIni12->setText("Verdana");
    f.EditPIni11->setText("2");
    f.EditPIni22->setText("/tmp/brev.txt");
    f.EditPIni26->setText("http://annan.se/");
    QTest::mouseClick(f.ButtonPIni2, Qt::LeftButton);
    EXPECT_FALSE(f.PanelIni->isVisible());
    EXPECT_EQ(f.focusWidget(), f.RichEdit2);
    EXPECT_EQ(f.EditPIni12->text(), "MS Sans Serif");
    EXPECT_EQ(f.EditPIni11->text(), "1");
    EXPECT_EQ(f.EditPIni22->text(), "");
    EXPECT_EQ(f.EditPIni26->text(), url);
    EXPECT_EQ(state().fonts.MainFont.name, "MS Sans Serif");
}

TEST_F(SettingsWindowTest, PrintSettingsTakeEffectWithTheStartValuesOk) {
    start();
    TForm1& f = form();
    f.Startv1->trigger();
    QTest::mouseClick(f.ButtonPIni3, Qt::LeftButton);
    EXPECT_TRUE(f.PanelIniU->isVisible());
    EXPECT_EQ(f.EditPPIni2->text(), "6,5");

    f.EditPPIni2->setText("9");
    f.EditPPIni18->setText("30");
    QTest::mouseClick(f.ButtonPPIni2, Qt::LeftButton);
    EXPECT_FALSE(f.PanelIniU->isVisible());
    EXPECT_EQ(f.EditPPIni2->text(), "6,5");
    EXPECT_EQ(f.EditPPIni18->text(), "15");

    QTest::mouseClick(f.ButtonPIni3, Qt::LeftButton);
    f.EditPPIni2->setText("8.25");
    QTest::mouseClick(f.ButtonPPIni1, Qt::LeftButton);
    EXPECT_FALSE(f.PanelIniU->isVisible());
    EXPECT_DOUBLE_EQ(ws().ScaleHor, 6.5);  // not yet
    QTest::mouseClick(f.ButtonPIni1, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(ws().ScaleHor, 8.25);
    EXPECT_EQ(f.EditPPIni2->text(), "8,25");
}

TEST_F(SettingsWindowTest, NewSettingsFileIsReadAndApplied) {
    const std::string first = writeSettings("Vernik.ini", {{E::FontName, {"1", "Arial"}}});
    const std::string other = writeSettings("andra/Vernik5.ini", {{E::FontName, {"1", "Tahoma"}}});
    start();
    dialogs->openAnswers.push_back(QString::fromStdString(other));
    form().NyIni1->trigger();
    EXPECT_EQ(dialogs->lastFolder, QString::fromStdString(first));  // proposed
    EXPECT_EQ(settings().SettingsFileName, other);
    EXPECT_EQ(state().fonts.MainFont.name, "Tahoma");
    EXPECT_EQ(form().LabelPIni18->text(), QString::fromStdString(other));
    EXPECT_EQ(form().focusWidget(), form().RichEdit2);

    // A cancelled dialog changes nothing.
    form().NyIni1->trigger();
    EXPECT_EQ(settings().SettingsFileName, other);
}

}  // namespace
}  // namespace vernik
