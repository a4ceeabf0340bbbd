#include "media/picture_show.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using vernik::MediaState;
using vernik::PictureAction;
using vernik::PictureShowing;
using vernik::PictureSize;
using vernik::PictureStep;

// Pictures "exist" when they are in the set; the folder is "/p".
vernik::FindFile among(std::set<std::string> files) {
    return [files](const std::filesystem::path& path) -> std::optional<std::filesystem::path> {
        if (files.count(path.string()) == 0) return std::nullopt;
        return path;
    };
}

MediaState lookedUp(const std::string& word) {
    MediaState media;
    media.MediaWord = word;
    media.SavedMediaWord = word;
    media.SeriesRunning = true;
    media.LexiconLookup = true;
    vernik::MediaChoice choice;
    choice.PictureFolder = "/p";
    choice.PictureJpgFile = "/p/" + word + ".jpg";
    choice.PictureBmpFile = "/p/" + word + ".bmp";
    vernik::takeMediaChoice(media, choice);
    return media;
}

struct ShowCase {
    const char* name;
    std::set<std::string> files;
    bool showPictures;
    bool seriesRunning;
    std::vector<std::string> loaded;
    bool hideTimer;
    bool seriesTimer;
};

const ShowCase kShowCases[] = {
    {"EachLoadsOverTheLastSeriesWins",
     {"/p/hund.jpg", "/p/hund.bmp", "/p/0hund.bmp"},
     true,
     true,
     {"/p/hund.jpg", "/p/hund.bmp", "/p/0hund.bmp"},
     false,
     true},
    {"JpgAloneHidesAfterASecondWhilePicturesAreOff",
     {"/p/hund.jpg"},
     false,
     true,
     {"/p/hund.jpg"},
     true,
     false},
    {"StoppedSeriesDoesNotGoOn", {"/p/0hund.bmp"}, true, false, {"/p/0hund.bmp"}, false, false},
    {"NothingToShowStartsNoTimer", {"/p/1hund.bmp"}, false, true, {}, false, false},
};

void PrintTo(const ShowCase& c, std::ostream* os) {
    *os << c.name;
}

class ShowPictureTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowPictureTest, LoadsWhatExistsAndStartsTheTimers) {
    const ShowCase& c = GetParam();
    MediaState media = lookedUp("hund");
    media.ShowPictures = c.showPictures;
    media.SeriesRunning = c.seriesRunning;
    const PictureShowing showing = vernik::showPicture(media, among(c.files));
    EXPECT_EQ(showing.files, c.loaded);
    EXPECT_EQ(showing.startHideTimer, c.hideTimer);
    EXPECT_EQ(showing.startSeriesTimer, c.seriesTimer);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ShowPictureTest, ::testing::ValuesIn(kShowCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Runs the series timer as the window does: a tick, then a display, for as
// long as the display restarts the timer. Gives the last picture loaded by
// each display.
std::vector<std::string> runSeries(MediaState& media, const vernik::FindFile& find) {
    std::vector<std::string> shown;
    bool running = vernik::showPicture(media, find).startSeriesTimer;
    while (running && shown.size() < 20) {
        EXPECT_EQ(vernik::seriesTick(media), PictureStep::Show);
        const PictureShowing showing = vernik::showPicture(media, find);
        shown.push_back(showing.files.empty() ? "" : showing.files.back());
        running = showing.startSeriesTimer;
    }
    return shown;
}

TEST(PictureSeriesTest, EndsAtTheFirstMissingNumber) {
    MediaState media = lookedUp("hund");
    EXPECT_EQ(runSeries(media, among({"/p/0hund.bmp", "/p/1hund.bmp", "/p/2hund.bmp"})),
              (std::vector<std::string>{"/p/1hund.bmp", "/p/2hund.bmp", ""}));
    EXPECT_EQ(media.SeriesIndex, 3);

    // A single picture of the word loads under each series picture and stays.
    media = lookedUp("hund");
    EXPECT_EQ(runSeries(media, among({"/p/0hund.bmp", "/p/1hund.bmp", "/p/hund.bmp"})),
              (std::vector<std::string>{"/p/1hund.bmp", "/p/hund.bmp"}));
}

TEST(PictureSeriesTest, StaysAtNineAndTakesBackTheSavedWordInListMode) {
    MediaState media = lookedUp("test");
    std::set<std::string> all;
    for (char digit = '0'; digit <= '9'; ++digit)
        all.insert("/p/" + std::string(1, digit) + "test.bmp");
    const auto shown = runSeries(media, among(all));
    ASSERT_EQ(shown.size(), 20u);  // picture 9 keeps restarting the timer
    EXPECT_EQ(shown.back(), "/p/9test.bmp");
    EXPECT_EQ(media.SeriesIndex, 9);

    media = lookedUp("test");
    media.LexiconLookup = false;
    media.MediaWord = ".test";  // a selection in the comment box may leave the "."
    vernik::seriesTick(media);
    EXPECT_EQ(media.SeriesFile, "/p/1test.bmp");

    media.ShowPictures = false;
    EXPECT_EQ(vernik::seriesTick(media), PictureStep::Hide);
}

struct ClickCase {
    const char* name;
    bool doubleClick;
    PictureSize size;
    bool lexiconLookup;
    bool seriesRunning;
    int seriesIndex;
    bool showPictures;
    PictureStep step;
    std::optional<PictureSize> resize;
    int indexAfter;
    bool runningAfter;
};

constexpr auto kSmall = PictureSize::Small;
constexpr auto kLarge = PictureSize::Large;

const ClickCase kClickCases[] = {
    {"ClickEnlargesAndRestartsTheSeries", false, kSmall, true, true, 4, true, PictureStep::Show,
     kLarge, 0, true},
    {"ClickOnLargeAfterLexiconLookupDoesNothing", false, kLarge, true, true, 4, true,
     PictureStep::None, std::nullopt, 4, true},
    {"FirstClickStopsASlideShow", false, kLarge, false, true, 4, true, PictureStep::Show,
     std::nullopt, 4, false},
    {"FurtherClickStepsOn", false, kLarge, false, false, 4, true, PictureStep::Show, std::nullopt,
     5, false},
    {"StepStaysAtNine", false, kLarge, false, false, 9, true, PictureStep::Show, std::nullopt, 9,
     false},
    {"StepHidesWhilePicturesAreOff", false, kLarge, false, false, 4, false, PictureStep::Hide,
     std::nullopt, 5, false},
    {"DoubleClickOnLargeReturnsToSmall", true, kLarge, true, false, 4, true, PictureStep::Show,
     kSmall, 0, true},
    {"DoubleClickOnSmallDoesNothing", true, kSmall, true, false, 4, true, PictureStep::None,
     std::nullopt, 4, false},
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(PictureClickTest, ChangesTheSeriesAndTheSize) {
    const ClickCase& c = GetParam();
    MediaState media = lookedUp("hund");
    media.LexiconLookup = c.lexiconLookup;
    media.SeriesRunning = c.seriesRunning;
    media.SeriesIndex = c.seriesIndex;
    media.ShowPictures = c.showPictures;
    const PictureAction action = c.doubleClick ? vernik::doubleClickPicture(media, c.size)
                                               : vernik::clickPicture(media, c.size);
    EXPECT_EQ(action.step, c.step);
    EXPECT_EQ(action.resize, c.resize);
    EXPECT_EQ(media.SeriesIndex, c.indexAfter);
    EXPECT_EQ(media.SeriesRunning, c.runningAfter);
    if (c.step != PictureStep::None) {
        EXPECT_EQ(media.SeriesFile, "/p/" + std::to_string(c.indexAfter) + "hund.bmp");
    }
}

INSTANTIATE_TEST_SUITE_P(Clicks, PictureClickTest, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SeriesFileNameTest, NamesOnlyFilesInsideTheFolder) {
    EXPECT_EQ(vernik::seriesFileName("/p", 3, "\xE5sna"), "/p/3\xC3\xA5sna.bmp");
    EXPECT_EQ(vernik::seriesFileName("", 0, "hund"), "");
    EXPECT_EQ(vernik::seriesFileName("/p", 0, "a/b"), "");
    EXPECT_EQ(vernik::seriesFileName("/p", 0, ""), "");
}

}  // namespace
