#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {

constexpr int kRowTop = 12;
constexpr int kRowStep = 26;
constexpr int kLabelWidth = 140;
constexpr int kBoxLeft = 156;
constexpr int kBoxWidth = 70;
constexpr int kBoxHeight = 21;

}  // namespace

// The text-area panel, raised over the output box by "Textyta".
void TForm1::createTextAreaPanel(QWidget* client) {
    PanelWidth1 = raisedPanel(client, QStringLiteral("PanelWidth1"), QRect(260, 130, 245, 245));

    struct Row {
        QLineEdit** box;
        QLabel** label;
        const char* name;
        QString caption;
        QString value;
    };
    const Row rows[] = {
        {&EditPW1, &LabelPW1, "PW1", QStringLiteral("Textbredd i pixels"), QStringLiteral("750")},
        {&EditPW2, &LabelPW2, "PW2", QStringLiteral("V marg i pixels"), QStringLiteral("0")},
        {&EditPW3, &LabelPW3, "PW3", QStringLiteral("Övre marg i pixels"), QStringLiteral("10")},
        {&EditPW5, &LabelPW5, "PW5", QStringLiteral("Radavstånd"), QStringLiteral("1")},
        {&EditPW4, &LabelPW4, "PW4", QStringLiteral("Antal rader"), QStringLiteral("10")},
        {nullptr, nullptr, nullptr, {}, {}},  // the page-number check box
        {&EditPW6, &LabelPW6, "PW6", QStringLiteral("Textrutehöjd i pixels"),
         QStringLiteral("400")},
    };
    int top = kRowTop;
    for (const Row& row : rows) {
        if (!row.box) {
            CheckBoxPW1 = new QCheckBox(QStringLiteral("Sidnr mitt under"), PanelWidth1);
            CheckBoxPW1->setObjectName(QStringLiteral("CheckBoxPW1"));
            CheckBoxPW1->setGeometry(10, top, 200, kBoxHeight);
            top += kRowStep;
            continue;
        }
        *row.label = new QLabel(row.caption, PanelWidth1);
        (*row.label)->setObjectName(QStringLiteral("Label") + QLatin1String(row.name));
        (*row.label)->setGeometry(10, top + 3, kLabelWidth, 16);
        *row.box = new QLineEdit(row.value, PanelWidth1);
        (*row.box)->setObjectName(QStringLiteral("Edit") + QLatin1String(row.name));
        (*row.box)->setGeometry(kBoxLeft, top, kBoxWidth, kBoxHeight);
        setGround(**row.box, look::windowBackground());
        top += kRowStep;
    }

    ButtonPW1 = new QPushButton(QStringLiteral("OK"), PanelWidth1);
    ButtonPW1->setObjectName(QStringLiteral("ButtonPW1"));
    ButtonPW1->setGeometry(30, top + 8, 75, 25);
    ButtonPW2 = new QPushButton(QStringLiteral("Avbryt"), PanelWidth1);
    ButtonPW2->setObjectName(QStringLiteral("ButtonPW2"));
    ButtonPW2->setGeometry(130, top + 8, 75, 25);
    PanelWidth1->hide();
}

}  // namespace vernik
