#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <utility>

#include "media/letter_sounds.h"

namespace vernik {

class OutputBox;
class SoundSink;
class TForm1;
struct SharedState;

// Spelled speech: reads the output box aloud word by word from its cursor
// ("Nästa"), or on to the end of the text ("Auto"), and reads what is typed
// into the speech box letter by letter, each sound played to its end.
class SpelledSpeech : public QObject {
    Q_OBJECT

  public:
    SpelledSpeech(TForm1& form, SharedState& state, OutputBox& outputBox, SoundSink& sounds);

    // Where the sounds go; the program's media player unless a test gives another.
    void useSoundSink(SoundSink& sounds) { sounds_ = &sounds; }
    // Called before reading starts: stops a headword's sound still playing.
    void setOtherSoundStop(std::function<void()> stop) { stopOtherSound_ = std::move(stop); }

    // Shows the panel and puts the next word of the output box into the
    // speech box, which reads it. The main menu's "Spelled speech".
    void Spsp1Click();
    void EditPSp1Change();
    void ButtonPSp1Click();  // "Stäng"
    void ButtonPSp2Click();  // "Nästa"
    void ButtonPSp3Click();  // "Auto"
    void PanelSpClick();     // reads the alternatives of the speech box's word
    void Timer7Timer();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Speak();
    void endAutoReading();
    // Sets the speech box's text; setting the text it holds reads it too.
    void setSpeechText(const std::string& bytes);
    std::string speechText() const;
    SpeechFolders folders() const;

    TForm1& form_;
    SharedState& state_;
    OutputBox& outputBox_;
    SoundSink* sounds_;
    std::function<void()> stopOtherSound_;
};

}  // namespace vernik
