#include "media/sound_player.h"

#include <QAbstractButton>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QWidget>

#include "media/media_choice.h"

namespace vernik {

SoundPlayer::SoundPlayer(QWidget& control, QAbstractButton& play, QAbstractButton& stop)
    : QObject(&control), control_(control) {
    connect(&play, &QAbstractButton::clicked, this, &SoundPlayer::startPlaying);
    connect(&stop, &QAbstractButton::clicked, this, [this] {
        if (player_) player_->stop();
    });
}

void SoundPlayer::close() {
    control_.hide();
    source_.clear();
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
}

void SoundPlayer::play(const std::string& file) {
    close();
    if (file.empty() || isCdTrackStub(file)) return;
    source_ = QUrl::fromLocalFile(QString::fromStdString(file));
    if (!ensurePlayer()) return;
    player_->setSource(source_);
    control_.show();
    control_.raise();
    startPlaying();
}

// Without an audio output the media framework can take a second to give up on
// each file, so no player is made there.
bool SoundPlayer::ensurePlayer() {
    if (player_) return true;
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(player_);
    player_->setAudioOutput(output_);
    // A file that cannot play leaves no buttons behind.
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] { control_.hide(); });
    return true;
}

void SoundPlayer::startPlaying() {
    if (!player_ || source_.isEmpty()) return;
    player_->setPosition(0);
    player_->play();
}

}  // namespace vernik
