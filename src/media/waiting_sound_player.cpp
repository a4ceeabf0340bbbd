#include "media/waiting_sound_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "media/wav_length.h"

namespace vernik {

namespace {

// How much longer than the sound itself a wait may last.
constexpr std::chrono::milliseconds kWaitMargin{1000};

}  // namespace

WaitingSoundPlayer::WaitingSoundPlayer(QObject* parent) : QObject(parent) {}

// Without an audio output the media framework can take a second to give up on
// each file (and one back end fails outright), so no player is made there.
bool WaitingSoundPlayer::ensurePlayer() {
    if (player_) return true;
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(player_);
    player_->setAudioOutput(output_);
    return true;
}

void WaitingSoundPlayer::playToEnd(const std::string& file) {
    const auto length = wavFileLength(file);
    if (!length || length->count() == 0 || !ensurePlayer()) return;

    QEventLoop loop;
    bool over = false;
    const auto finish = [&] {
        over = true;
        loop.quit();
    };
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, finish);
    const auto ended = connect(
        player_, &QMediaPlayer::mediaStatusChanged, &loop, [&](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                finish();
        });
    const auto failed = connect(player_, &QMediaPlayer::errorOccurred, &loop, finish);

    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
    limit.start(*length + kWaitMargin);
    player_->play();
    if (!over) loop.exec(QEventLoop::ExcludeUserInputEvents);

    disconnect(ended);
    disconnect(failed);
    player_->stop();
    player_->setSource(QUrl());
}

}  // namespace vernik
