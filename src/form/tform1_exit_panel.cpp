#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "platform/question_panel.h"
#include "platform/widget_look.h"

namespace vernik {

// The question about unsaved changes, drawn like a message box over the window.
void TForm1::createExitPanel(QWidget* client) {
    PanelExit = raisedPanel(client, QStringLiteral("PanelExit"), QRect(240, 150, 330, 120));

    LabelPExit1 = new QLabel(QStringLiteral("Vernik1"), PanelExit);
    LabelPExit1->setGeometry(0, 0, 330, 20);
    LabelPExit1->setIndent(6);
    setGround(*LabelPExit1, look::activeCaptionGradient());
    LabelPExit1->setAutoFillBackground(true);

    ImagePExit = new QLabel(PanelExit);
    ImagePExit->setGeometry(14, 32, 32, 32);
    ImagePExit->setPixmap(
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32));

    LabelPExit2 = new QLabel(QStringLiteral("Vill du spara ändringarna i Utfilrutan?"), PanelExit);
    LabelPExit2->setGeometry(60, 38, 260, 20);

    const QString captions[] = {QStringLiteral("Ja"), QStringLiteral("Nej"),
                                QStringLiteral("Avbryt")};
    QPushButton** buttons[] = {&ButtonPExit1, &ButtonPExit2, &ButtonPExit3};
    for (int i = 0; i < 3; ++i) {
        *buttons[i] = new QPushButton(captions[i], PanelExit);
        (*buttons[i])->setObjectName(QStringLiteral("ButtonPExit%1").arg(i + 1));
        (*buttons[i])->setGeometry(70 + 85 * i, 82, 75, 25);
    }
    askAsQuestion(*PanelExit, *ButtonPExit1, *ButtonPExit3);
    PanelExit->hide();
}

}  // namespace vernik
