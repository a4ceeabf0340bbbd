#include "media/letter_sounds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "media/speech_walker.h"
#include "test_folder.h"

namespace {

using vernik::readSpeechText;
using vernik::SpeechFolders;

// Folders under the test root: "lex1" and "lex2" are the lexicons, "work" the
// working folder, "start" the start folder and "out" the output file's folder.
SpeechFolders foldersUnder(const TestFolder& root) {
    return {root.str() + "/lex1", root.str() + "/lex2", root.str() + "/work", root.str() + "/start",
            root.str() + "/out"};
}

std::vector<std::string> relative(const std::vector<std::string>& files, const TestFolder& root) {
    std::vector<std::string> out;
    for (const auto& file : files) out.push_back(file.substr(root.str().size() + 1));
    return out;
}

struct ReadingCase {
    const char* name;
    std::vector<std::string> files;
    std::string text;
    bool readWhole;
    std::vector<std::string> played;
    bool playSoundsAfter = true;
    bool playSoundsBefore = true;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadingTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingTest, PlaysTheSoundsInOrder) {
    const ReadingCase& c = GetParam();
    TestFolder root;
    for (const auto& file : c.files) root.write(file, "");
    const auto reading =
        readSpeechText(c.text, c.readWhole, c.playSoundsBefore, foldersUnder(root));
    std::vector<std::string> played;
    for (const auto& sound : reading.sounds) played.push_back(sound.file);
    EXPECT_EQ(relative(played, root), c.played);
    EXPECT_EQ(reading.playSounds, c.playSoundsAfter);
}

const std::vector<std::string> kHej = {"lex1/spsp/h.wav", "lex1/spsp/e.wav", "lex1/spsp/j.wav",
                                       "lex1/spsp/dot.wav"};

INSTANTIATE_TEST_SUITE_P(
    Speech, ReadingTest,
    ::testing::Values(
        ReadingCase{"LettersAndFullStopIgnoringCase", kHej, "Hej.", true, kHej},
        ReadingCase{"GroupSound",
                    {"lex1/spsp/s.wav", "lex1/spsp/sj.wav", "lex1/spsp/a.wav", "lex1/spsp/l.wav"},
                    "sjal",
                    true,
                    {"lex1/spsp/sj.wav", "lex1/spsp/a.wav", "lex1/spsp/l.wav"}},
        ReadingCase{"LongestGroupWins",
                    {"lex1/spsp/s.wav", "lex1/spsp/sj.wav", "lex1/spsp/sju.wav", "lex1/spsp/k.wav"},
                    "sjuk",
                    true,
                    {"lex1/spsp/sju.wav", "lex1/spsp/k.wav"}},
        ReadingCase{"GroupOfSevenLettersAtMost",
                    {"work/spsp/abcdefg.wav", "work/spsp/abcdefgh.wav", "work/spsp/h.wav"},
                    "abcdefgh",
                    true,
                    {"work/spsp/abcdefg.wav", "work/spsp/h.wav"}},
        ReadingCase{"GroupWithoutLetterSoundFoundInAnyFolder",
                    {"start/spsp/sj.wav", "lex2/spsp/a.wav"},
                    "sja",
                    true,
                    {"start/spsp/sj.wav", "lex2/spsp/a.wav"}},
        ReadingCase{"LastFolderWinsAndGroupsComeFromItOnly",
                    {"lex1/spsp/s.wav", "lex1/spsp/sj.wav", "out/spsp/s.wav", "lex2/spsp/j.wav"},
                    "sj",
                    true,
                    {"out/spsp/s.wav", "lex2/spsp/j.wav"}},
        ReadingCase{"WholeWordEndsTheReadingAndTurnsSoundsOff",
                    {"lex1/ljud/hej.wav", "lex2/ljud/hej.wav", "lex1/spsp/h.wav"},
                    "hej",
                    true,
                    {"lex1/ljud/hej.wav"},
                    false},
        ReadingCase{"WholeWordFromLexicon2",
                    {"lex2/ljud/Hej.wav", "lex1/spsp/h.wav"},
                    "hej",
                    true,
                    {"lex2/ljud/Hej.wav"},
                    false},
        ReadingCase{
            "StartTagIsNeverAWholeWord", {"lex1/spsp/tgon.wav"}, "<", true, {"lex1/spsp/tgon.wav"}},
        ReadingCase{"TypingReadsTheLastCharacter",
                    {"lex1/spsp/a.wav", "lex1/spsp/b.wav", "lex1/spsp/ab.wav"},
                    "ab",
                    false,
                    {"lex1/spsp/b.wav"}},
        ReadingCase{
            "BlanksAndLineEndsHaveSounds",
            {"lex1/spsp/a.wav", "lex1/spsp/paus1.wav", "lex1/spsp/nyrad.wav", "lex1/spsp/paus3.wav",
             "lex1/spsp/frg.wav", "lex1/spsp/utrp.wav", "lex1/spsp/tgoff.wav"},
            "a \r\n?!>",
            true,
            {"lex1/spsp/a.wav", "lex1/spsp/paus1.wav", "lex1/spsp/nyrad.wav", "lex1/spsp/paus3.wav",
             "lex1/spsp/frg.wav", "lex1/spsp/utrp.wav", "lex1/spsp/tgoff.wav"}},
        ReadingCase{"NonNameCharactersAreSkipped",
                    {"lex1/spsp/x.wav", "lex1/spsp/a.wav", "lex1/spsp/a:.wav"},
                    std::string("x\\/a:\0*|\"", 9),
                    true,
                    {"lex1/spsp/x.wav", "lex1/spsp/a.wav"}},
        ReadingCase{"AWordNeverNamesAFileOutsideTheFolders",
                    {"lex1/x.wav", "lex1/spsp/x.wav"},
                    "../x",
                    true,
                    {"lex1/spsp/x.wav"}},
        ReadingCase{"SwedishLettersMatchIgnoringCase",
                    {"lex1/spsp/\xC3\xA5.wav", "lex1/spsp/K.wav"},
                    "\xC5k",
                    true,
                    {"lex1/spsp/\xC3\xA5.wav", "lex1/spsp/K.wav"}},
        ReadingCase{"SoundsOffPlaysNothing", kHej, "Hej.", true, {}, false, false}));

TEST(LetterSounds, NamesOfSignsAndCharactersWithoutSound) {
    const std::vector<std::pair<char, std::string>> table = {
        {'.', "dot"},   {'?', "frg"},    {'!', "utrp"},   {'<', "tgon"}, {'>', "tgoff"},
        {' ', "paus1"}, {'\n', "paus3"}, {'\r', "nyrad"}, {'a', "a"},    {'\xE4', "\xE4"},
        {'\0', ""},     {'/', ""},       {'\\', ""},      {':', ""},     {'\t', ""}};
    for (const auto& [c, name] : table) EXPECT_EQ(vernik::letterSoundName(c), name) << int(c);
}

TEST(LetterSounds, TheWordPauseComesFromTheLastFolderHoldingIt) {
    TestFolder root;
    EXPECT_EQ(vernik::wordPauseFile(foldersUnder(root)), "");
    root.write("lex2/spsp/paus1.wav", "");
    root.write("start/spsp/PAUS1.WAV", "");
    EXPECT_EQ(vernik::wordPauseFile(foldersUnder(root)), root.str() + "/start/spsp/PAUS1.WAV");
}

// Temporary folders are made in `folder` while this lives, when it exists.
class TemporaryFoldersIn {
  public:
    explicit TemporaryFoldersIn(const char* folder) {
        if (const char* old = std::getenv("TMPDIR")) old_ = old;
        if (std::filesystem::is_directory(folder)) ::setenv("TMPDIR", folder, 1);
    }
    ~TemporaryFoldersIn() {
        if (old_) {
            ::setenv("TMPDIR", old_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

  private:
    std::optional<std::string> old_;
};

// A folder of thousands of sounds is listed once per reading, not once per
// letter and group. (Its files are made in memory where that is possible:
// making ten thousand files on a busy disk takes a minute.)
TEST(LetterSounds, AFolderOfTenThousandSoundsIsReadQuickly) {
    TemporaryFoldersIn memory("/dev/shm");
    TestFolder root;
    for (int i = 0; i < 10000; ++i) root.write("lex1/spsp/s" + std::to_string(i) + ".wav", "");
    root.write("lex1/spsp/A.wav", "");
    const std::string text(255, 'a');
    const auto started = std::chrono::steady_clock::now();
    const auto reading = readSpeechText(text, true, true, foldersUnder(root));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(reading.sounds.size(), 255u);
}

TEST(AutoReading, WordsPausesAndWholeWordsInOrder) {
    TestFolder root;
    for (const char* file : {"lex1/spsp/h.wav", "lex1/spsp/e.wav", "lex1/spsp/j.wav",
                             "out/spsp/paus1.wav", "lex1/spsp/nyrad.wav", "lex2/ljud/du.wav"})
        root.write(file, "");
    const auto files = vernik::autoReadingSounds("Hej du\nhej", foldersUnder(root));
    EXPECT_EQ(relative(files, root),
              (std::vector<std::string>{"lex1/spsp/h.wav", "lex1/spsp/e.wav", "lex1/spsp/j.wav",
                                        "out/spsp/paus1.wav", "lex2/ljud/du.wav",
                                        "lex1/spsp/nyrad.wav", "out/spsp/paus1.wav"}));
}

}  // namespace
