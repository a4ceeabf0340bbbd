#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "platform/widget_look.h"
#include "program_fixture.h"

namespace vernik {
namespace {

const std::string kSentinelP = ".p\xFF\xFF\xFF";

class ChangeModeWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        writeLexicons({"sven", "ensv"});
        folder.writeLines("sven/Palt.lex",
                          {".P", "P", ".prov", "test", "trial", kSentinelP, "Filslutsindikering"});
    }
    std::string letterFile() { return TestFolder::read(folder / "sven/Palt.lex"); }
};

TEST_F(ChangeModeWindowTest, AddingToAnExistingHeadwordKeepsABackup) {
    start();
    const std::string before = letterFile();
    typeWord("prov");
    QTest::mouseDClick(form().PanelAlt1, Qt::LeftButton);
    EXPECT_TRUE(state().maintenance.ChangeMode);
    EXPECT_EQ(groundOf(*form().PanelAlt1), QColor(0, 128, 0));
    EXPECT_TRUE(form().LabelPAlt3->isVisibleTo(&form()));
    EXPECT_EQ(form().LabelPAlt3->text(), form().Label2->text());
    EXPECT_FALSE(form().EditPAlt2->isVisibleTo(&form()));  // the headword exists

    form().EditPAlt1->setText("exam");
    QTest::mouseDClick(form().Edit1, Qt::LeftButton);
    EXPECT_FALSE(state().maintenance.ChangeMode);
    EXPECT_EQ(letterFile(),
              ".P\r\nP\r\n.prov\r\ntest\r\ntrial\r\n\xA4"
              "exam\r\n" +
                  kSentinelP + "\r\nFilslutsindikering\r\n");
    EXPECT_EQ(TestFolder::read(folder / "sven/Palt.bak"), before);
    EXPECT_TRUE(form().Edit5->isVisible());
    EXPECT_EQ(form().Edit5->text(), "Uppslagsordet fanns. Tillagt: exam");
    EXPECT_EQ(groundOf(*form().PanelAlt1), look::activeCaptionGradient());
    EXPECT_FALSE(form().LabelPAlt3->isVisibleTo(&form()));

    typeWord("prov");  // the next lookup sees the change and hides the status
    EXPECT_FALSE(form().Edit5->isVisible());
    EXPECT_EQ(form().EditPAlt3->text(), "¤exam");
}

TEST_F(ChangeModeWindowTest, ANewHeadwordTakesUpToThreeAlternatives) {
    start();
    typeWord("prova");
    QTest::mouseDClick(form().PanelAlt1, Qt::LeftButton);
    EXPECT_TRUE(form().EditPAlt2->isVisibleTo(&form()));
    EXPECT_TRUE(form().EditPAlt3->isVisibleTo(&form()));
    form().EditPAlt1->setText("try");
    form().EditPAlt2->setText("taste");
    form().EditPAlt3->setText("x");  // one character: not written
    QTest::mouseDClick(form().Edit1, Qt::LeftButton);
    EXPECT_EQ(form().Edit5->text(), "Nytt uppslagsord .prova");
    EXPECT_EQ(form().Edit2->text(), ".prova");
    EXPECT_NE(letterFile().find(".prova\r\n\xA4try\r\n\xA4taste\r\n" + kSentinelP),
              std::string::npos);
}

TEST_F(ChangeModeWindowTest, Lexicon2ChangesShowFuchsiaAndAFailedCommitIsReported) {
    start();
    ws().ActiveLexiconFolder = ws().Lexicon2Folder;
    form().Edit1->setText("prov");  // ensv has no Palt.lex
    QTest::mouseDClick(form().PanelAlt1, Qt::LeftButton);
    EXPECT_EQ(groundOf(*form().PanelAlt1), QColor(255, 0, 255));
    EXPECT_EQ(form().LabelPAlt3->text(), form().Label14->text());
    QTest::mouseDClick(form().Edit1, Qt::LeftButton);
    EXPECT_TRUE(form().Edit5->isVisible());
    EXPECT_FALSE(form().Edit5->text().isEmpty());
    EXPECT_EQ(groundOf(*form().PanelAlt1), QColor(Qt::blue));  // restored for Lexicon2
    EXPECT_FALSE(std::filesystem::exists(folder / "ensv/Palt.lex"));
}

}  // namespace
}  // namespace vernik
