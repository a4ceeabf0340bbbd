#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/media_choice.h"
#include "media/media_state.h"

// The rules of the picture panel: which pictures a display loads, how a
// series steps on, and what a click or double-click on the picture does.
// The window only loads the files and moves the panel.
namespace vernik {

enum class PictureSize { Small, Large };

// Takes the folders and files of a media lookup into the state; the series
// starts at picture 0.
void takeMediaChoice(MediaState& media, const MediaChoice& choice);

// The path of series picture `index` (0..9) of `word` in `folder`: the digit
// in front of the word, then ".bmp". Empty when there is no folder or the
// word cannot be a file name.
std::string seriesFileName(const std::string& folder, int index, std::string_view word);

// One display of pictures.
struct PictureShowing {
    // The pictures that exist, in load order: the ".jpg", the ".bmp", the
    // series picture. Each loads over the last, so the last that loads stays.
    std::vector<std::string> files;
    bool startHideTimer = false;    // pictures vanish after a second
    bool startSeriesTimer = false;  // the series goes on to its next picture
};
PictureShowing showPicture(const MediaState& media, const FindFile& findFile = {});

enum class PictureStep { None, Show, Hide };

// What the window does after a rule ran: show the pictures again or hide
// the panel, and perhaps first resize it.
struct PictureAction {
    PictureStep step = PictureStep::None;
    std::optional<PictureSize> resize;
};

// A tick of the series timer: the next series picture (the index stays at
// 9), shown while pictures are shown, else the panel hides.
PictureStep seriesTick(MediaState& media);

// A click on the picture enlarges a small one and restarts its series. On a
// large one it does nothing after a lexicon lookup; in list mode the first
// click stops a running slide show and each further click steps it on.
PictureAction clickPicture(MediaState& media, PictureSize size);

// A double-click on a large picture returns it to the small size and starts
// its series again from picture 0.
PictureAction doubleClickPicture(MediaState& media, PictureSize size);

}  // namespace vernik
