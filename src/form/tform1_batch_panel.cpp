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

constexpr int kRowWidth = 480;
constexpr int kBrowseLeft = 496;

QLabel* label(QWidget* panel, const QString& name, const QString& text, int left, int top,
              int width) {
    auto* made = placed(new QLabel(text, panel), name, QRect(left, top, width, 14));
    made->setTextFormat(Qt::PlainText);
    return made;
}

QPushButton* button(QWidget* panel, const QString& name, const QString& caption, int left, int top,
                    int width) {
    return placed(new QPushButton(caption, panel), name, QRect(left, top, width, 25));
}

}  // namespace

// The batch panel, raised over the output box by the lexicon menu's folder
// operations; each row is shown when the one before it is filled in.
void TForm1::createBatchPanel(QWidget* client) {
    PanelSam1 = raisedPanel(client, QStringLiteral("PanelSam1"), QRect(100, 130, 600, 212));

    LabelPSam4 = label(PanelSam1, QStringLiteral("LabelPSam4"), QString(), 8, 6, 580);
    QFont titleFont = LabelPSam4->font();
    titleFont.setBold(true);
    LabelPSam4->setFont(titleFont);

    struct Row {
        QLabel** prompt;
        QLineEdit** box;
        QPushButton** browse;
        int top;
    };
    const Row rows[] = {{&LabelPSam1, &EditPSam1, &ButtonPSam1, 26},
                        {&LabelPSam2, &EditPSam2, &ButtonPSam2, 70},
                        {&LabelPSam3, &EditPSam3, &ButtonPSam3, 114}};
    int number = 1;
    for (const Row& row : rows) {
        const QString suffix = QString::number(number++);
        *row.prompt =
            label(PanelSam1, QStringLiteral("LabelPSam") + suffix, QString(), 8, row.top, 580);
        *row.box = placed(new QLineEdit(PanelSam1), QStringLiteral("EditPSam") + suffix,
                          QRect(8, row.top + 17, kRowWidth, 21));
        *row.browse = button(PanelSam1, QStringLiteral("ButtonPSam") + suffix,
                             QStringLiteral("Bläddra"), kBrowseLeft, row.top + 15, 90);
    }
    LabelPSam2->setText(
        QStringLiteral("Skriv in namnet på den mapp där tilläggslexikonet finns eller Bläddra"));

    LabelPSam5 =
        label(PanelSam1, QStringLiteral("LabelPSam5"),
              QStringLiteral("Kör 'Rensa nyord' före annan lexikonhantering!!!"), 8, 158, 580);
    ButtonPSam4 =
        button(PanelSam1, QStringLiteral("ButtonPSam4"), QStringLiteral("Kör"), 8, 178, 80);
    ButtonPSam5 =
        button(PanelSam1, QStringLiteral("ButtonPSam5"), QStringLiteral("Avbryt"), 96, 178, 80);
    ButtonPSam6 = button(PanelSam1, QStringLiteral("ButtonPSam6"), QStringLiteral("Undantagna"),
                         184, 178, 90);
    ButtonPSam7 = button(PanelSam1, QStringLiteral("ButtonPSam7"), QStringLiteral("Markera Nyord"),
                         282, 178, 100);
    LabelPSam7 = label(PanelSam1, QStringLiteral("LabelPSam7"), QStringLiteral("Nyordsmarkering"),
                       392, 184, 120);
    setTextColour(*LabelPSam7, look::pureRed());
    LabelPSam7->hide();
    PanelSam1->hide();

    ProgressBar1 =
        placed(new QProgressBar(client), QStringLiteral("ProgressBar1"), QRect(272, 34, 409, 16));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
}

}  // namespace vernik
