#pragma once

#include <QObject>
#include <string>

#include "media/picture_show.h"

namespace vernik {

class TForm1;
class SoundPlayer;
struct SharedState;

// The media lookup of a word and what it shows: the sound played at once,
// the picture panel with its series and hide timers, and the whole-file
// comment in the comment box.
class MediaDisplay : public QObject {
    Q_OBJECT

  public:
    MediaDisplay(TForm1& form, SharedState& state);

    // Looks up the media of the state's MediaWord and shows them.
    void runMediaLookup();

    // Every lookup starts from a hidden, small picture panel, no player and
    // the series timer at its animation speed.
    void resetForLookup();

    // A word-list search shows a series as a slide show.
    void useSlideShowSpeed();

    // Hides the picture panel (a press or the wheel in the comment box).
    void PanelBildHide();

    void ShowPicture();
    void ImagePBild1Click();
    void ImagePBild1DblClick();
    void Timer5Timer();
    void Timer6Timer();
    void Bildbort1Click();
    void RichEdit3SelectionChange();

    const SoundPlayer& sound() const { return *sound_; }
    // Stops the headword's sound, so that another sound is not heard over it.
    void closeSound();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PictureSize pictureSize() const;
    void resizePanel(PictureSize size);
    void apply(const PictureAction& action);
    void hidePanel();
    bool loadPicture(const std::string& file);
    void loadWholeFileComment(const std::string& file);
    void setCommentBoxWidth(int width);

    TForm1& form_;
    SharedState& state_;
    SoundPlayer* sound_;
    bool pressedOnPicture_ = false;
};

}  // namespace vernik
