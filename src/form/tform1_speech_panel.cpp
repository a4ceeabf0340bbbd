#include <QFont>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "form/panel_making.h"
#include "form/tform1.h"

namespace vernik {

// The spelled-speech panel at the top left: the speech box and its three
// buttons, and the timer that paces reading word by word.
void TForm1::createSpeechPanel(QWidget* client) {
    PanelSp = raisedPanel(client, QStringLiteral("PanelSp"), QRect(1, 1, 680, 112));
    EditPSp1 = placed(new QLineEdit(PanelSp), QStringLiteral("EditPSp1"), QRect(16, 32, 441, 45));
    QFont speechFont = EditPSp1->font();
    speechFont.setPointSize(20);
    speechFont.setBold(true);
    EditPSp1->setFont(speechFont);
    ButtonPSp2 = placed(new QPushButton(QStringLiteral("Nästa"), PanelSp),
                        QStringLiteral("ButtonPSp2"), QRect(464, 1, 105, 110));
    ButtonPSp3 = placed(new QPushButton(QStringLiteral("Auto"), PanelSp),
                        QStringLiteral("ButtonPSp3"), QRect(576, 1, 97, 56));
    ButtonPSp1 = placed(new QPushButton(QStringLiteral("Stäng"), PanelSp),
                        QStringLiteral("ButtonPSp1"), QRect(576, 56, 97, 55));

    Timer7 = new QTimer(this);
    Timer7->setObjectName(QStringLiteral("Timer7"));
    Timer7->setInterval(100);
}

}  // namespace vernik
