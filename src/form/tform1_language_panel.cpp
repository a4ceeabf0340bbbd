#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "platform/widget_look.h"

namespace vernik {

void TForm1::createLanguagePanel(QWidget* client) {
    PanelLang = raisedPanel(client, QStringLiteral("PanelLang"), QRect(200, 60, 400, 300));

    LabelPLang7 = new QLabel(QStringLiteral("Språk för etiketter och bruksanvisningar"), PanelLang);
    LabelPLang7->setObjectName(QStringLiteral("LabelPLang7"));
    LabelPLang7->setGeometry(12, 8, 376, 20);
    LabelPLang0 = new QLabel(
        QStringLiteral("Det finns inga olika språk för etiketter och bruksanvisningar"), PanelLang);
    LabelPLang0->setObjectName(QStringLiteral("LabelPLang0"));
    LabelPLang0->setGeometry(12, 30, 376, 20);
    LabelPLang0->setWordWrap(true);

    for (int slot = 0; slot < 6; ++slot) {
        const int top = 56 + slot * 32;
        ImagePLang[slot] = new QLabel(PanelLang);
        ImagePLang[slot]->setObjectName(QStringLiteral("ImagePLang%1").arg(slot + 1));
        ImagePLang[slot]->setGeometry(20, top, 36, 24);
        ImagePLang[slot]->setScaledContents(true);
        ImagePLang[slot]->setCursor(Qt::PointingHandCursor);
        ImagePLang[slot]->hide();
        LabelPLang[slot] = new QLabel(PanelLang);
        LabelPLang[slot]->setObjectName(QStringLiteral("LabelPLang%1").arg(slot + 1));
        LabelPLang[slot]->setGeometry(66, top + 2, 300, 20);
        LabelPLang[slot]->setTextFormat(Qt::PlainText);
        LabelPLang[slot]->setCursor(Qt::PointingHandCursor);
    }

    ButtonPLang1 = new QPushButton(QStringLiteral("Stäng"), PanelLang);
    ButtonPLang1->setObjectName(QStringLiteral("ButtonPLang1"));
    ButtonPLang1->setGeometry(12, 262, 100, 25);
    ButtonPLang2 = new QPushButton(QStringLiteral("Flera språk"), PanelLang);
    ButtonPLang2->setObjectName(QStringLiteral("ButtonPLang2"));
    ButtonPLang2->setGeometry(288, 30, 100, 22);
    ButtonPLang2->hide();
    ButtonPLang3 = new QPushButton(QStringLiteral("Flera språk"), PanelLang);
    ButtonPLang3->setObjectName(QStringLiteral("ButtonPLang3"));
    ButtonPLang3->setGeometry(288, 262, 100, 25);
    ButtonPLang3->hide();
    PanelLang->hide();
}

}  // namespace vernik
