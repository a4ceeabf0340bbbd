#pragma once

#include <QObject>
#include <QUrl>
#include <string>

class QAudioOutput;
class QMediaPlayer;
class QWidget;
class QAbstractButton;

namespace vernik {

// The sound of a headword: plays a file at once, without waiting for its end,
// and shows the Play and Stop buttons while there is a sound to play. The
// player is made only on a machine with an audio output, so a machine without
// one (or a file no codec can read) shows nothing and never waits.
class SoundPlayer : public QObject {
    Q_OBJECT

  public:
    SoundPlayer(QWidget& control, QAbstractButton& play, QAbstractButton& stop);

    // Stops the sound and forgets it; the buttons hide.
    void close();

    // Closes the last sound, then plays `file` (a UTF-8 path). A CD-track
    // stub (".cda") holds no sound and plays nothing.
    void play(const std::string& file);

    // The file the player was last given; empty after close().
    QUrl source() const { return source_; }

  private:
    bool ensurePlayer();
    void startPlaying();

    QWidget& control_;
    QUrl source_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};

}  // namespace vernik
