#include <QAction>
#include <QElapsedTimer>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <string>
#include <vector>

#include "media/sound_player.h"
#include "media/sound_sink.h"
#include "media/waiting_sound_player.h"
#include "program_fixture.h"

namespace vernik {
namespace {

// Plays nothing; keeps the folder and name of each file it is given.
class RecordingSink : public SoundSink {
  public:
    void playToEnd(const std::string& file) override {
        const std::filesystem::path path(file);
        played.push_back(path.parent_path().filename().string() + "/" + path.filename().string());
    }
    std::vector<std::string> played;
};

class SpelledSpeechWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        folder.writeLines("sven/Aalt.lex", {".A", "A", ".a\xFF\xFF\xFF", "F"});
        folder.writeLines("sven/Kalt.lex", {".K", "K", ".katt", "cat", ".k\xFF\xFF\xFF", "F"});
        for (const char* sound : {"h", "e", "j", "dot", "paus1", "nyrad", "a", "b", "c", "t"})
            folder.write(std::string("spsp/") + sound + ".wav", "");
        folder.write("sven/ljud/du.wav", "");
    }

    void startWithText(const QString& text) {
        start();
        program->spelledSpeech.useSoundSink(sink);
        form().RichEdit2->setPlainText(text);
        program->outputBox.select(0, 0);
    }

    MediaState& media() { return state().media; }
    bool autoEnabled() { return form().ButtonPSp3->isEnabled(); }

    RecordingSink sink;
};

TEST_F(SpelledSpeechWindowTest, AutoReadsToTheLastEndedWordAndCanStartAgain) {
    startWithText(QStringLiteral("Hej. du\nslut"));
    form().Spsp1->trigger();  // opens the panel and reads the first word
    EXPECT_TRUE(form().PanelSp->isVisibleTo(&form()));
    EXPECT_EQ(sink.played,
              (std::vector<std::string>{"spsp/h.wav", "spsp/e.wav", "spsp/j.wav", "spsp/dot.wav"}));
    EXPECT_EQ(form().EditPSp1->text(), "Hej.");
    EXPECT_FALSE(form().Timer7->isActive());

    sink.played.clear();
    form().ButtonPSp3->click();
    EXPECT_FALSE(autoEnabled());
    EXPECT_TRUE(media().AutoReading);
    ASSERT_TRUE(QTest::qWaitFor([&] { return autoEnabled(); }, 5000));
    // No pause after the whole-word sound; the last word has nothing after it.
    EXPECT_EQ(sink.played,
              (std::vector<std::string>{"ljud/du.wav", "spsp/nyrad.wav", "spsp/paus1.wav"}));
    EXPECT_FALSE(media().AutoReading);
    EXPECT_EQ(program->outputBox.caret(), 8);  // the start of the second line
    EXPECT_TRUE(media().SoundFile.ends_with("/sven/ljud/du.wav"));
}

TEST_F(SpelledSpeechWindowTest, TypingReadsLettersAndTwoBlanksInsertTheText) {
    startWithText(QStringLiteral("ord "));
    form().Spsp1->trigger();
    form().EditPSp1->clear();
    program->outputBox.select(4, 0);
    sink.played.clear();

    QTest::keyClicks(form().EditPSp1, "ab");
    EXPECT_EQ(sink.played, (std::vector<std::string>{"spsp/a.wav", "spsp/b.wav"}));
    sink.played.clear();
    QTest::keyClicks(form().EditPSp1, " ");
    EXPECT_EQ(sink.played,
              (std::vector<std::string>{"spsp/a.wav", "spsp/b.wav", "spsp/paus1.wav"}));
    sink.played.clear();
    QTest::keyClicks(form().EditPSp1, " ");
    EXPECT_TRUE(sink.played.empty());
    EXPECT_EQ(form().RichEdit2->toPlainText(), "ord ab  ");
    EXPECT_EQ(form().EditPSp1->text(), "");
    QTest::keyClicks(form().EditPSp1, "c  ");
    EXPECT_EQ(form().RichEdit2->toPlainText(), "ord ab  c  ");
}

TEST_F(SpelledSpeechWindowTest, AClickOnTheFrameReadsTheAlternatives) {
    folder.write("sven/ljud/katt.wav", "");  // the headword's own sound, played by the lookup
    startWithText(QString());
    form().Spsp1->trigger();
    form().EditPSp1->setText(QStringLiteral("katt"));
    sink.played.clear();
    QTest::mouseClick(form().PanelSp, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(form().Edit1->text(), "katt");
    EXPECT_TRUE(form().EditPSp1->text().startsWith(QStringLiteral("cat")));
    ASSERT_GE(sink.played.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(sink.played.begin(), sink.played.begin() + 3),
              (std::vector<std::string>{"spsp/c.wav", "spsp/a.wav", "spsp/t.wav"}));
    // The letters are not read over the headword's sound: it is stopped.
    EXPECT_TRUE(program->mediaDisplay.sound().source().isEmpty());
}

TEST_F(SpelledSpeechWindowTest, StaengStopsAutoInAMegabyteTextAtOnce) {
    QString line;
    for (int i = 0; i < 19; ++i) line += QStringLiteral("hej ");
    line += QStringLiteral("hej\n");
    const QString text = line.repeated(1024 * 1024 / line.size());
    startWithText(text);
    QElapsedTimer clock;
    clock.start();
    form().ButtonPSp3->click();
    EXPECT_LT(clock.elapsed(), 2000);
    // The same word over and over goes on being read.
    ASSERT_TRUE(QTest::qWaitFor([&] { return sink.played.size() >= 12; }, 5000));

    form().ButtonPSp1->click();
    EXPECT_FALSE(form().Timer7->isActive());
    EXPECT_FALSE(media().AutoReading);
    EXPECT_TRUE(autoEnabled());
    EXPECT_FALSE(form().PanelSp->isVisibleTo(&form()));
    const std::size_t played = sink.played.size();
    QTest::qWait(300);
    EXPECT_EQ(sink.played.size(), played);
}

// This machine's player: what is not a sound, or cannot be heard, is passed
// over at once; nothing waits longer than the sound and one second.
TEST(WaitingSoundPlayer, SkipsWhatCannotPlayWithoutWaiting) {
    TestFolder root;
    const std::string header =
        std::string("RIFF\x24\x0f\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0", 24) +
        std::string("\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x40\x1f\0\0", 20);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"text.wav", "not a sound at all"},
        {"empty.wav", ""},
        {"truncated.wav", header + std::string(400, '\x80')},  // 50 ms of a second
        {"missing.wav", ""},
    };
    WaitingSoundPlayer player;
    for (const auto& [name, bytes] : files) {
        const auto path = name == "missing.wav" ? root / name : root.write(name, bytes);
        QElapsedTimer clock;
        clock.start();
        player.playToEnd(path.string());
        EXPECT_LT(clock.elapsed(), 1500) << name;
    }
}

}  // namespace
}  // namespace vernik
