#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {

QFrame* makePanel(QWidget* client, const char* name, int left, int top, int width, int height) {
    return raisedPanel(client, QString::fromLatin1(name), QRect(left, top, width, height));
}

QLabel* makeLabel(QWidget* panel, const QString& name, const QString& text, int top, int width) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(12, top, width, 16);
    return label;
}

QPushButton* makeButton(QWidget* panel, const char* name, const QString& caption, int left,
                        int top) {
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, 75, 25);
    return button;
}

}  // namespace

// The panels of "Bytes till siffror" and "Unicode till VernikCyr", and the
// notice at the end of a search.
void TForm1::createTransformPanels(QWidget* client) {
    PanelBD = makePanel(client, "PanelBD", 190, 150, 420, 170);
    makeLabel(PanelBD, QStringLiteral("LabelPBD1"),
              QStringLiteral("Omvandlar diskfilen med utfilnamnet"), 10, 396);
    LabelPBD2 = makeLabel(PanelBD, QStringLiteral("LabelPBD2"), QString(), 30, 396);
    makeLabel(PanelBD, QStringLiteral("LabelPBD3"),
              QStringLiteral("till siffror för varje byte. Byt fil genom att byta utfil."), 50,
              396);
    makeLabel(PanelBD, QStringLiteral("LabelPBD4"), QStringLiteral("Antal bytes per rad: "), 78,
              130);
    EditPBD1 = new QLineEdit(QStringLiteral("15"), PanelBD);
    EditPBD1->setObjectName(QStringLiteral("EditPBD1"));
    EditPBD1->setGeometry(146, 75, 50, 21);
    setGround(*EditPBD1, look::windowBackground());
    ProgressBarPBD = new QProgressBar(PanelBD);
    ProgressBarPBD->setObjectName(QStringLiteral("ProgressBarPBD"));
    ProgressBarPBD->setGeometry(12, 104, 396, 16);
    ProgressBarPBD->hide();
    ButtonPBD1 = makeButton(PanelBD, "ButtonPBD1", QStringLiteral("OK"), 110, 130);
    ButtonPBD2 = makeButton(PanelBD, "ButtonPBD2", QStringLiteral("Avbryt"), 235, 130);

    PanelUni1 = makePanel(client, "PanelUni1", 190, 150, 420, 170);
    QLabel** labels[] = {&LabelPUni1, &LabelPUni2, &LabelPUni3,
                         &LabelPUni4, &LabelPUni5, &LabelPUni6};
    for (int i = 0; i < 6; ++i) {
        *labels[i] = makeLabel(PanelUni1, QStringLiteral("LabelPUni%1").arg(i + 1), QString(),
                               10 + 19 * i, 396);
    }
    ButtonPUni1 = makeButton(PanelUni1, "ButtonPUni1", QStringLiteral("KÖR"), 110, 130);
    ButtonPUni2 = makeButton(PanelUni1, "ButtonPUni2", QStringLiteral("Avstå"), 235, 130);

    PanelFindEnd = new QPushButton(
        QStringLiteral("Sökningen är avslutad. Klicka här för att fortsätta"), client);
    PanelFindEnd->setObjectName(QStringLiteral("PanelFindEnd"));
    PanelFindEnd->setGeometry(240, 200, 330, 60);
    setGround(*PanelFindEnd, look::tooltipBackground());
    PanelFindEnd->hide();
}

}  // namespace vernik
