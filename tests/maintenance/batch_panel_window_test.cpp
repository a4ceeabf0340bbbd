#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "maintenance/lexicon_merge.h"
#include "program_fixture.h"

namespace vernik {
namespace {

const std::string kEndB = ".b\xFF\xFF\xFF\r\nFilslutsindikering\r\n";

class BatchPanelWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven"});
        folder.write("main/Balt.lex", ".B\r\nB\r\n.bad\r\npoor\r\n" + kEndB);
        folder.write("second/Balt.lex", ".B\r\nB\r\n.bad\r\nsad\r\n.bil\r\ncar\r\n" + kEndB);
        std::filesystem::create_directories(folder / "result");
    }
    bool shown(QWidget* widget) { return widget->isVisibleTo(&form()); }
    bool rowShown(QLabel* label, QLineEdit* box, QPushButton* browse) {
        const bool all = shown(label) && shown(box) && shown(browse);
        EXPECT_EQ(all, shown(label) || shown(box) || shown(browse)) << "a row shows as one";
        return all;
    }
};

TEST_F(BatchPanelWindowTest, EachMenuCommandSetsThePanelUp) {
    start();
    // The prompts and titles are fixed texts; what differs in behaviour is
    // the operation, the marking, the extra buttons and the running text.
    struct Case {
        QAction* TForm1::*item;
        char batchOp;
        QString message;
        bool markButton, excludedButton, markNewWords;
    };
    const Case cases[] = {
        {&TForm1::Lexsub1, 's', QStringLiteral("Lexikonsubtraktion pågår"), false, false, true},
        {&TForm1::Lexsub2, 'z', QStringLiteral("Uttag av poster som ej ingår i huvudlexikon"),
         false, false, true},
        {&TForm1::Lexomv1, 'o', QStringLiteral("Lexikonomvändning pågår"), false, true, true},
        {&TForm1::LexList1, 'l', QStringLiteral("Lexikon till lista pågår"), false, true, true},
        {&TForm1::LexAdd1, 'a', QStringLiteral("Lexikonaddition pågår"), true, false, false},
        {&TForm1::Insortering1, 'i', QStringLiteral("Insortering pågår"), true, false, false},
        {&TForm1::Nyalistord1, 'w', QStringLiteral("Genomgång av ordlista mot Lexikon1"), false,
         false, false},
    };
    ASSERT_TRUE(ws().Lexicon2Open);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.batchOp);
        (form().*c.item)->trigger();
        EXPECT_FALSE(ws().Lexicon2Open);  // closed by the first set-up, left closed after
        EXPECT_EQ(state().maintenance.BatchOp, c.batchOp);
        EXPECT_EQ(state().maintenance.MarkNewWords, c.markNewWords);
        EXPECT_TRUE(shown(form().PanelSam1));
        EXPECT_EQ(form().Edit3->text(), c.message);
        EXPECT_TRUE(shown(form().Edit3));
        EXPECT_EQ(shown(form().ButtonPSam7), c.markButton);
        EXPECT_EQ(shown(form().ButtonPSam6), c.excludedButton);
        EXPECT_TRUE(rowShown(form().LabelPSam1, form().EditPSam1, form().ButtonPSam1));
        EXPECT_FALSE(rowShown(form().LabelPSam2, form().EditPSam2, form().ButtonPSam2));
        EXPECT_FALSE(rowShown(form().LabelPSam3, form().EditPSam3, form().ButtonPSam3));
        EXPECT_FALSE(shown(form().ButtonPSam4));
    }

    // "Avbryt" closes the panel and the bars and switches marking on again.
    form().ButtonPSam5->click();
    EXPECT_FALSE(shown(form().PanelSam1));
    EXPECT_FALSE(shown(form().Edit3));
    EXPECT_TRUE(state().maintenance.MarkNewWords);
    EXPECT_EQ(state().maintenance.BatchOp, 'w');
}

TEST_F(BatchPanelWindowTest, AnAdditionRunsFromTheMenuToTheResultFolder) {
    start();
    form().LexAdd1->trigger();
    QTest::keyClicks(form().EditPSam1, QString::fromStdString(path("main")));
    EXPECT_TRUE(rowShown(form().LabelPSam2, form().EditPSam2, form().ButtonPSam2));
    EXPECT_EQ(state().maintenance.FirstPath, path("main") + "/Aalt.lex");

    dialogs->openAnswers.push_back(QString::fromStdString(path("second") + "/Balt.lex"));
    form().ButtonPSam2->click();
    EXPECT_EQ(form().EditPSam2->text().toStdString(), path("second"));
    EXPECT_EQ(state().maintenance.SecondPath, path("second") + "/Aalt.lex");
    EXPECT_TRUE(rowShown(form().LabelPSam3, form().EditPSam3, form().ButtonPSam3));
    EXPECT_FALSE(shown(form().ButtonPSam4));
    form().EditPSam3->setText(QString::fromStdString(path("result")));
    EXPECT_TRUE(shown(form().ButtonPSam4));

    form().ButtonPSam7->click();  // "Markera Nyord"
    EXPECT_TRUE(state().maintenance.MarkNewWords);
    EXPECT_TRUE(shown(form().LabelPSam7));
    EXPECT_FALSE(shown(form().ButtonPSam7));

    form().ButtonPSam4->click();
    EXPECT_EQ(TestFolder::read(folder / "result/Balt.lex"),
              ".B\r\nB\r\n.bad\r\npoor\r\n\xA4sad\r\n.bil\r\n\xA4"
              "car\r\n" +
                  kEndB);
    EXPECT_EQ(form().ProgressBar1->value(), 100);
    EXPECT_FALSE(shown(form().ProgressBar1));
    EXPECT_FALSE(shown(form().PanelSam1));
    EXPECT_FALSE(shown(form().Edit3));
    EXPECT_FALSE(shown(form().LabelPSam7));
    EXPECT_EQ(state().maintenance.BatchOp, 'n');
    EXPECT_TRUE(state().maintenance.MarkNewWords);
    // The missing letter files stay readable after the run, all in one box.
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QStringList lines = dialogs->messages.front().split(u'\n');
    EXPECT_EQ(lines.size(), 28 * 2);
    EXPECT_EQ(lines.front(),
              QString::fromStdString("Filen: " + path("main") + "/Aalt.lex finns inte"));

    // A run that cannot write says so.
    form().Lexsub1->trigger();
    form().EditPSam1->setText(QString::fromStdString(path("main")));
    form().EditPSam2->setText(QString::fromStdString(path("second")));
    form().EditPSam3->setText(QString::fromStdString(path("main")));
    form().ButtonPSam4->click();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages.back().startsWith(QStringLiteral("Körningen avbröts: ")));
    EXPECT_EQ(TestFolder::namesIn(folder / "main"), (std::set<std::string>{"Balt.lex"}));
}

}  // namespace
}  // namespace vernik
