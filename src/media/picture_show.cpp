#include "media/picture_show.h"

#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik {

namespace {

constexpr int kLastSeriesIndex = 9;

PictureStep showOrHide(const MediaState& media) {
    return media.ShowPictures ? PictureStep::Show : PictureStep::Hide;
}

void restartSeries(MediaState& media) {
    media.SeriesIndex = 0;
    media.SeriesFile = seriesFileName(media.PictureFolder, 0, media.MediaWord);
}

}  // namespace

void takeMediaChoice(MediaState& media, const MediaChoice& choice) {
    media.SoundFolder = choice.SoundFolder;
    media.PictureFolder = choice.PictureFolder;
    media.CommentFolder = choice.CommentFolder;
    media.SoundFile = choice.SoundFile;
    media.PictureJpgFile = choice.PictureJpgFile;
    media.PictureBmpFile = choice.PictureBmpFile;
    media.CommentFile = choice.CommentFile;
    restartSeries(media);
}

std::string seriesFileName(const std::string& folder, int index, std::string_view word) {
    if (folder.empty() || word.empty() || index < 0 || index > kLastSeriesIndex) return {};
    const std::string name = static_cast<char>('0' + index) + utf8FromCp1252(word) + ".bmp";
    const auto path = childPath(folder, name);
    return path ? path->string() : std::string();
}

PictureShowing showPicture(const MediaState& media, const FindFile& findFile) {
    const FindFile find = findFile ? findFile : FindFile(findFileIgnoringCase);
    PictureShowing showing;
    bool seriesFound = false;
    for (const std::string* file :
         {&media.PictureJpgFile, &media.PictureBmpFile, &media.SeriesFile}) {
        if (file->empty()) continue;
        const auto found = find(*file);
        if (!found) continue;
        showing.files.push_back(found->string());
        seriesFound = file == &media.SeriesFile;
    }
    showing.startHideTimer = !showing.files.empty() && !media.ShowPictures;
    showing.startSeriesTimer = seriesFound && media.SeriesRunning;
    return showing;
}

PictureStep seriesTick(MediaState& media) {
    if (media.SeriesIndex < kLastSeriesIndex) ++media.SeriesIndex;
    if (!media.LexiconLookup && media.MediaWord.starts_with('.')) {
        media.MediaWord = media.SavedMediaWord;
    }
    media.SeriesFile = seriesFileName(media.PictureFolder, media.SeriesIndex, media.MediaWord);
    return showOrHide(media);
}

PictureAction clickPicture(MediaState& media, PictureSize size) {
    if (size == PictureSize::Small) {
        restartSeries(media);
        return {.step = PictureStep::Show, .resize = PictureSize::Large};
    }
    if (media.LexiconLookup) return {};
    if (!media.SeriesRunning && media.SeriesIndex < kLastSeriesIndex) ++media.SeriesIndex;
    media.SeriesFile = seriesFileName(media.PictureFolder, media.SeriesIndex, media.MediaWord);
    media.SeriesRunning = false;
    return {.step = showOrHide(media), .resize = std::nullopt};
}

PictureAction doubleClickPicture(MediaState& media, PictureSize size) {
    if (size != PictureSize::Large) return {};
    media.SeriesRunning = true;
    restartSeries(media);
    return {.step = PictureStep::Show, .resize = PictureSize::Small};
}

}  // namespace vernik
