#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"

namespace vernik {

// The ten boxes of the words the lexicon reversal leaves out, in two columns,
// over the batch panel.
void TForm1::createExcludedWordsPanel(QWidget* client) {
    PanelUndan = raisedPanel(client, QStringLiteral("PanelUndan"), QRect(200, 150, 330, 190));
    auto* title = new QLabel(QStringLiteral("Undantagna ord"), PanelUndan);
    title->setGeometry(10, 6, 300, 14);
    for (int i = 0; i < 10; ++i) {
        QLineEdit* box = new QLineEdit(QStringLiteral("zz"), PanelUndan);
        box->setObjectName(QStringLiteral("EditPUnd%1").arg(i + 1));
        box->setGeometry(10 + (i / 5) * 155, 26 + (i % 5) * 28, 145, 22);
        EditPUnd[static_cast<std::size_t>(i)] = box;
    }
    ButtonPUnd1 = new QPushButton(QStringLiteral("OK"), PanelUndan);
    ButtonPUnd1->setObjectName(QStringLiteral("ButtonPUnd1"));
    ButtonPUnd1->setGeometry(125, 160, 80, 25);
}

}  // namespace vernik
