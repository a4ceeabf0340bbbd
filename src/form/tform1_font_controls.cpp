#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/font_controls.h"
#include "form/panel_making.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/special_alphabet.h"

namespace vernik {
namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* made = placed(new QLabel(text, parent), name, place);
    made->setTextFormat(Qt::PlainText);
    return made;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    return placed(new QPushButton(text, parent), name, place);
}

QLineEdit* box(QWidget* parent, const QString& name, const QRect& place) {
    return placed(new QLineEdit(parent), name, place);
}

void createFontPanel(FontControls& c, QWidget* client) {
    c.PanelFont = raisedPanel(client, QStringLiteral("PanelFont"), QRect(230, 130, 330, 200));
    QFrame* p = c.PanelFont;
    c.LabelPF1 = label(p, QStringLiteral("LabelPF1"), QStringLiteral("Ändring av font gäller"),
                       QRect(10, 8, 200, 16));
    c.LabelPF2 =
        label(p, QStringLiteral("LabelPF2"), QStringLiteral("hela texten"), QRect(10, 24, 200, 16));
    QLineEdit** boxes[] = {&c.EditPF1, &c.EditPF2, &c.EditPF3, &c.EditPF4, &c.EditPF5};
    for (int i = 0; i < 5; ++i) {
        *boxes[i] = box(p, QStringLiteral("EditPF%1").arg(i + 1), QRect(10, 46 + 25 * i, 200, 21));
    }
    c.LabelPF5 =
        label(p, QStringLiteral("LabelPF5"), QStringLiteral("Charset"), QRect(216, 150, 60, 16));
    const QString captions[] = {QStringLiteral("Ny Font"), QStringLiteral("O K "),
                                QStringLiteral("Avbryt"), QStringLiteral("Kör teck.tab")};
    QPushButton** buttons[] = {&c.ButtonPF1, &c.ButtonPF2, &c.ButtonPF3, &c.ButtonPF4};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = button(p, QStringLiteral("ButtonPF%1").arg(i + 1), captions[i],
                             QRect(222, 20 + 30 * i, 100, 25));
    }
}

void createCharacterTablePanel(FontControls& c, QWidget* client) {
    c.PanelTab1 = raisedPanel(client, QStringLiteral("PanelTab1"), QRect(230, 150, 330, 120));
    const QString lines[] = {QStringLiteral("Lexikon1 innehåller en fil (teck.tab) som "),
                             QStringLiteral("ställer in font och teckentolkning"),
                             QStringLiteral("Vill du köra den?")};
    for (int i = 0; i < 3; ++i) {
        label(c.PanelTab1, QStringLiteral("LabelPTab%1").arg(i + 1), lines[i],
              QRect(12, 10 + 20 * i, 300, 16));
    }
    c.ButtonPTab1 = button(c.PanelTab1, QStringLiteral("ButtonPTab1"), QStringLiteral("Ja"),
                           QRect(70, 80, 75, 25));
    c.ButtonPTab2 = button(c.PanelTab1, QStringLiteral("ButtonPTab2"), QStringLiteral("Nej"),
                           QRect(170, 80, 75, 25));
}

void createKeyboardMap(FontControls& c, QWidget* client) {
    c.Edit7 = box(client, QStringLiteral("Edit7"), QRect(745, 118, 40, 21));
    c.Edit7->setText(QStringLiteral("128"));
    c.Edit7->hide();
    for (int i = 0; i < 7; ++i) {
        const int left = 5 + 105 * i;
        c.LabelK[i] = label(client, QStringLiteral("LabelK%1").arg(i + 1),
                            fromBytes(kKeyboardMapCaptions[i]), QRect(left, 118, 100, 18));
        c.LabelT[i] = label(client, QStringLiteral("LabelT%1").arg(i + 1), QString(),
                            QRect(left, 136, 100, 20));
        c.LabelK[i]->hide();
        c.LabelT[i]->hide();
    }
}

void createKeyboardShiftPanel(FontControls& c, QWidget* client) {
    c.PanelBias = raisedPanel(client, QStringLiteral("PanelBias"), QRect(560, 30, 240, 84));
    const QString captions[] = {QStringLiteral("-64"), QStringLiteral("+/- 0"),
                                QStringLiteral("+64"), QStringLiteral("+128")};
    QPushButton** buttons[] = {&c.ButtonPBias1, &c.ButtonPBias2, &c.ButtonPBias3, &c.ButtonPBias4};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = button(c.PanelBias, QStringLiteral("ButtonPBias%1").arg(i + 1), captions[i],
                             QRect(6 + 57 * i, 6, 53, 25));
    }
    c.EditPBias1 = box(c.PanelBias, QStringLiteral("EditPBias1"), QRect(6, 44, 60, 21));
    c.EditPBias1->setText(QStringLiteral("0"));
    c.ButtonPBias5 = button(c.PanelBias, QStringLiteral("ButtonPBias5"),
                            QStringLiteral("Normal text"), QRect(120, 42, 110, 25));
}

void createMoveAaoPanel(FontControls& c, QWidget* client) {
    c.PanelKonv = raisedPanel(client, QStringLiteral("PanelKonv"), QRect(180, 130, 440, 170));
    const QString lines[] = {
        QStringLiteral("I Vernik-fonter flyttas ÄÅÖäåö  nedåt. från  C4,C5,D6,E4,E5,F6 "),
        QStringLiteral("till A4,A5,A6,B4,B5,B6. Du kan växla mellan dessa lägen i "),
        QStringLiteral("utfilrutan. Men Vernik kan naturligtvis inte skilja mellan"),
        QStringLiteral("ÄÅÖ och främmande alfabetstecken på samma lägen.")};
    for (int i = 0; i < 4; ++i) {
        label(c.PanelKonv, QStringLiteral("LabelPKonv%1").arg(i + 1), lines[i],
              QRect(12, 10 + 18 * i, 420, 16));
    }
    c.ButtonPKonv1 =
        button(c.PanelKonv, QStringLiteral("ButtonPKonv1"),
               QStringLiteral("Växla till A4,A5,A6,B4,B5,B6"), QRect(12, 100, 200, 25));
    c.ButtonPKonv2 =
        button(c.PanelKonv, QStringLiteral("ButtonPKonv2"),
               QStringLiteral("Växla till C4,C5,D6,E4,E5,F6"), QRect(222, 100, 200, 25));
    c.ButtonPKonv3 = button(c.PanelKonv, QStringLiteral("ButtonPKonv3"), QStringLiteral("Avbryt"),
                            QRect(170, 135, 100, 25));
}

}  // namespace

void createFontControls(FontControls& controls, QWidget* client) {
    createFontPanel(controls, client);
    createCharacterTablePanel(controls, client);
    createKeyboardMap(controls, client);
    createKeyboardShiftPanel(controls, client);
    createMoveAaoPanel(controls, client);
}

}  // namespace vernik
