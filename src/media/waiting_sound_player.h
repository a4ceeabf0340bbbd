#pragma once

#include <QObject>
#include <string>

#include "media/sound_sink.h"

class QMediaPlayer;
class QAudioOutput;

namespace vernik {

// Plays a WAV file and waits for its end. While it waits the window keeps
// painting and timers run, but key presses and clicks wait until the sound
// is over. A file that is not a WAV sound, and every file on a machine
// without an audio output, is skipped at once; no wait lasts longer than the
// sound's length and one second.
class WaitingSoundPlayer : public QObject, public SoundSink {
    Q_OBJECT

  public:
    explicit WaitingSoundPlayer(QObject* parent = nullptr);

    void playToEnd(const std::string& file) override;

  private:
    bool ensurePlayer();

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};

}  // namespace vernik
