#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "program_fixture.h"

namespace vernik {
namespace {

class WordListRunsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven"});
        folder.writeLines("source/Palt.lex",
                          {".P", "P", ".prov", "test", "the test", ".p\xFF\xFF\xFF", "F"});
    }
};

// The reversal from the menu: the excluded words from their panel, the pairs
// in the destination, the source's word list below the output box's text.
TEST_F(WordListRunsWindowTest, TheReversalRunsThroughThePanel) {
    start();
    form().RichEdit2->setPlainText(QStringLiteral("kept"));
    ws().OutputBoxStarted = true;  // the start text is gone: the box holds the user's text
    form().Lexomv1->trigger();
    form().EditPSam1->setText(QString::fromStdString(path("source")));
    form().EditPSam3->setText(QString::fromStdString(path("reversed")));

    form().ButtonPSam6->click();  // "Undantagna"
    ASSERT_TRUE(form().PanelUndan->isVisibleTo(&form()));
    for (QLineEdit* box : form().EditPUnd) box->clear();
    form().EditPUnd[0]->setText(QStringLiteral("the"));
    form().ButtonPUnd1->click();
    EXPECT_FALSE(form().PanelUndan->isVisibleTo(&form()));
    EXPECT_EQ(state().settings.ExcludedWords[0], "the");

    form().ButtonPSam4->click();  // "Kör"
    EXPECT_EQ(form().RichEdit2->toPlainText(),
              QStringLiteral("kept\n.P      /P\n.prov      /test\n.pÿÿÿ      /F"));
    EXPECT_EQ(TestFolder::read(folder / "reversed/Talt.lex"),
              ".T\r\nT\r\n.test\r\nprov\r\n.t\xFF\xFF\xFF\r\nFilslutsindikering\r\n");
    EXPECT_FALSE(form().ProgressBar1->isVisibleTo(&form()));
    EXPECT_EQ(state().maintenance.BatchOp, 'n');
}

}  // namespace
}  // namespace vernik
