#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "form/tform1.h"

namespace vernik {

namespace {

QPushButton* makePlayerButton(QFrame* player, const char* name, QStyle::StandardPixmap icon,
                              const QString& tip) {
    auto* button = new QPushButton(player);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    player->layout()->addWidget(button);
    return button;
}

QTimer* makeTimer(QObject* owner, const char* name, int interval) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return timer;
}

}  // namespace

void TForm1::createMediaControls(QWidget* client) {
    PanelBild = new QFrame(client);
    PanelBild->setObjectName(QStringLiteral("PanelBild"));
    PanelBild->setFrameShape(QFrame::NoFrame);
    PanelBild->setGeometry(576, 0, 180, 120);
    PanelBild->hide();
    ImagePBild1 = new QLabel(PanelBild);
    ImagePBild1->setObjectName(QStringLiteral("ImagePBild1"));
    ImagePBild1->setGeometry(0, 0, 180, 120);
    ImagePBild1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    ImagePBild1->setScaledContents(true);

    MediaPlayer1 = new QFrame(client);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    MediaPlayer1->setGeometry(740, 1, 57, 30);
    auto* row = new QHBoxLayout(MediaPlayer1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    MediaPlayer1Play = makePlayerButton(MediaPlayer1, "MediaPlayer1Play", QStyle::SP_MediaPlay,
                                        QStringLiteral("Spela"));
    MediaPlayer1Stop = makePlayerButton(MediaPlayer1, "MediaPlayer1Stop", QStyle::SP_MediaStop,
                                        QStringLiteral("Stopp"));
    MediaPlayer1->hide();

    Timer5 = makeTimer(this, "Timer5", 1000);
    Timer6 = makeTimer(this, "Timer6", 200);
}

}  // namespace vernik
