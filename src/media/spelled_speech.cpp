#include "media/spelled_speech.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "media/sound_sink.h"
#include "media/speech_walker.h"
#include "platform/box_code_page.h"
#include "platform/files.h"
#include "platform/output_box.h"

namespace vernik {

SpelledSpeech::SpelledSpeech(TForm1& form, SharedState& state, OutputBox& outputBox,
                             SoundSink& sounds)
    : QObject(&form), form_(form), state_(state), outputBox_(outputBox), sounds_(&sounds) {
    connect(form.Spsp1, &QAction::triggered, this, &SpelledSpeech::Spsp1Click);
    connect(form.EditPSp1, &QLineEdit::textChanged, this, &SpelledSpeech::EditPSp1Change);
    connect(form.ButtonPSp1, &QPushButton::clicked, this, &SpelledSpeech::ButtonPSp1Click);
    connect(form.ButtonPSp2, &QPushButton::clicked, this, &SpelledSpeech::ButtonPSp2Click);
    connect(form.ButtonPSp3, &QPushButton::clicked, this, &SpelledSpeech::ButtonPSp3Click);
    connect(form.Timer7, &QTimer::timeout, this, &SpelledSpeech::Timer7Timer);
    form.PanelSp->installEventFilter(this);
}

bool SpelledSpeech::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.PanelSp && event->type() == QEvent::MouseButtonRelease) {
        PanelSpClick();
        return true;
    }
    return false;
}

SpeechFolders SpelledSpeech::folders() const {
    const WorkspaceState& ws = state_.workspace;
    return {ws.Lexicon1Folder, ws.Lexicon2Folder, currentFolder(), ws.StartFolder,
            state_.document.OutputFileFolder};
}

std::string SpelledSpeech::speechText() const {
    return boxBytes(*form_.EditPSp1, form_.EditPSp1->text());
}

void SpelledSpeech::setSpeechText(const std::string& bytes) {
    const QString text = boxText(*form_.EditPSp1, bytes);
    if (form_.EditPSp1->text() == text) {
        EditPSp1Change();  // the same word again is read again
    } else {
        form_.EditPSp1->setText(text);
    }
}

void SpelledSpeech::Spsp1Click() {
    SpeechState& speech = state_.media.Speech;
    form_.PanelSp->show();
    form_.PanelSp->raise();
    const auto next =
        nextSpeechWord(outputBox_.text(), SpeechWalk{outputBox_.caret(), speech.PendingDelimiter});
    if (!next.found) {
        endAutoReading();
        return;
    }
    speech.ReadWhole = true;
    speech.SpeechIndex = 0;
    speech.SpeechWord = next.word;
    speech.SpeechPos = next.after.cursor;
    speech.PendingDelimiter = next.after.pendingDelimiter;
    outputBox_.select(next.after.cursor, 0);
    setSpeechText(next.word);
}

// The text has no further word: "Auto" is over and can be started again.
void SpelledSpeech::endAutoReading() {
    state_.media.AutoReading = false;
    form_.ButtonPSp3->setEnabled(true);
}

void SpelledSpeech::EditPSp1Change() {
    SpeechState& speech = state_.media.Speech;
    const std::string text = speechText();
    switch (speechBoxChange(text, speech.ReadWhole)) {
        case SpeechBoxChange::ReadWhole:
        case SpeechBoxChange::ReadLast:
            speech.SpeechWord.clear();
            speech.PlaySounds = true;
            Speak();
            break;
        case SpeechBoxChange::ReadAgain:
            // Read with sounds on even after a whole-word sound turned them off.
            speech.ReadWhole = true;
            speech.SpeechWord.clear();
            speech.PlaySounds = true;
            Speak();
            break;
        case SpeechBoxChange::InsertText:
            outputBox_.insert(text);
            // Emptied, so that the next words typed are not inserted twice.
            form_.EditPSp1->clear();
            break;
        case SpeechBoxChange::Nothing:
            break;
    }
}

void SpelledSpeech::Speak() {
    SpeechState& speech = state_.media.Speech;
    const std::string text = speechText();
    // The word shows before its sounds start.
    for (QWidget* control :
         {static_cast<QWidget*>(form_.EditPSp1), static_cast<QWidget*>(form_.ButtonPSp1),
          static_cast<QWidget*>(form_.ButtonPSp2), static_cast<QWidget*>(form_.ButtonPSp3)})
        control->repaint();

    const SpeechReading reading =
        readSpeechText(text, speech.ReadWhole, speech.PlaySounds, folders());
    if (!reading.sounds.empty() && stopOtherSound_) stopOtherSound_();
    if (!reading.wholeWordFile.empty()) state_.media.SoundFile = reading.wholeWordFile;
    for (const auto& sound : reading.sounds) {
        speech.SpeechIndex = sound.position + sound.letters;
        sounds_->playToEnd(sound.file);
    }
    speech.SpeechIndex = static_cast<int>(text.size());
    speech.PlaySounds = reading.playSounds;
    speech.ReadWhole = false;
    if (state_.media.AutoReading) form_.Timer7->start();
}

void SpelledSpeech::Timer7Timer() {
    form_.Timer7->stop();
    const std::string pause = wordPauseFile(folders());
    if (!pause.empty() && state_.media.Speech.PlaySounds) sounds_->playToEnd(pause);
    Spsp1Click();
}

void SpelledSpeech::ButtonPSp2Click() {
    state_.media.AutoReading = false;
    form_.Timer7->stop();  // a pause under way would read one more word
    form_.EditPSp1->clear();
    form_.ButtonPSp3->setEnabled(true);
    Spsp1Click();
}

void SpelledSpeech::ButtonPSp3Click() {
    state_.media.AutoReading = true;
    form_.EditPSp1->clear();
    form_.ButtonPSp3->setEnabled(false);
    Spsp1Click();
}

void SpelledSpeech::ButtonPSp1Click() {
    endAutoReading();
    form_.Timer7->stop();
    form_.PanelSp->hide();
    form_.MediaPlayer1->hide();
    form_.RichEdit2->setFocus();
}

void SpelledSpeech::PanelSpClick() {
    form_.Edit1->setText(boxText(*form_.Edit1, speechText()));
    std::string alternatives = boxBytes(*form_.EditPAlt1, form_.EditPAlt1->text());
    for (QLineEdit* box : {form_.EditPAlt2, form_.EditPAlt3}) {
        if (!box->isHidden()) alternatives += ' ' + boxBytes(*box, box->text());
    }
    state_.media.Speech.ReadWhole = true;
    setSpeechText(alternatives);
}

}  // namespace vernik
