#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {}  // namespace

// Both panels open over the comment box.
void TForm1::createLexiconToolPanels(QWidget* client) {
    PanelTxtKontr = raisedPanel(client, QStringLiteral("PanelTxtKontr"), QRect(270, 5, 465, 110));
    LabelTx1 = placed(
        new QLabel(QStringLiteral("Denna procedure genomsöker en fil och listar"), PanelTxtKontr),
        QStringLiteral("LabelTx1"), QRect(8, 6, 449, 14));
    LabelTx2 =
        placed(new QLabel(QStringLiteral("alla ord som inte finns med i lexikon1"), PanelTxtKontr),
               QStringLiteral("LabelTx2"), QRect(8, 22, 449, 14));
    LabelTx3 = placed(new QLabel(QStringLiteral("InfilNamn"), PanelTxtKontr),
                      QStringLiteral("LabelTx3"), QRect(8, 48, 60, 14));
    EditTx1 =
        placed(new QLineEdit(PanelTxtKontr), QStringLiteral("EditTx1"), QRect(70, 45, 387, 21));
    EditTx1->setMaxLength(250);
    ButtonTx3 = placed(new QPushButton(QStringLiteral("Bläddra"), PanelTxtKontr),
                       QStringLiteral("ButtonTx3"), QRect(70, 74, 80, 24));
    ButtonTx1 = placed(new QPushButton(QStringLiteral("Avstå"), PanelTxtKontr),
                       QStringLiteral("ButtonTx1"), QRect(160, 74, 80, 24));
    ButtonTx2 = placed(new QPushButton(QStringLiteral("KÖR"), PanelTxtKontr),
                       QStringLiteral("ButtonTx2"), QRect(250, 74, 80, 24));

    PanelNyord = raisedPanel(client, QStringLiteral("PanelNyord"), QRect(270, 5, 465, 130));
    LabelPNyord1 =
        placed(new QLabel(QStringLiteral("KÖR tar bort nyordsmärkena (¤) i hela mappen nedan."),
                          PanelNyord),
               QStringLiteral("LabelPNyord1"), QRect(8, 6, 449, 14));
    LabelPNyord2 =
        placed(new QLabel(QStringLiteral("Bläddra: öppna filen Aalt.lex i den önskade mappen."),
                          PanelNyord),
               QStringLiteral("LabelPNyord2"), QRect(8, 22, 449, 14));
    EditPNyord1 =
        placed(new QLineEdit(PanelNyord), QStringLiteral("EditPNyord1"), QRect(8, 42, 449, 21));
    CheckBoxPNyord1 = placed(new QCheckBox(QStringLiteral("Även kommentarer"), PanelNyord),
                             QStringLiteral("CheckBoxPNyord1"), QRect(8, 68, 150, 17));
    CheckBoxPNyord2 = placed(new QCheckBox(QStringLiteral("Enbart kommentarer"), PanelNyord),
                             QStringLiteral("CheckBoxPNyord2"), QRect(170, 68, 150, 17));
    ButtonPNyord1 = placed(new QPushButton(QStringLiteral("Bläddra"), PanelNyord),
                           QStringLiteral("ButtonPNyord1"), QRect(8, 94, 80, 24));
    ButtonPNyord2 = placed(new QPushButton(QStringLiteral("Avstå"), PanelNyord),
                           QStringLiteral("ButtonPNyord2"), QRect(98, 94, 80, 24));
    ButtonPNyord3 = placed(new QPushButton(QStringLiteral("KÖR"), PanelNyord),
                           QStringLiteral("ButtonPNyord3"), QRect(188, 94, 80, 24));
}

}  // namespace vernik
