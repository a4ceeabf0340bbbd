#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "media/mouse_writing.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {

QRect rectOf(const MouseRect& r) {
    return {r.left, r.top, r.width, r.height};
}

// A coloured field of the panel that reacts to the pointer passing over it.
QLabel* field(QWidget* panel, const QString& name, const MouseRect& place, const QColor& ground) {
    auto* label = placed(new QLabel(panel), name, rectOf(place));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setMouseTracking(true);
    label->setCursor(Qt::ArrowCursor);
    setGround(*label, ground);
    return label;
}

}  // namespace

void TForm1::createMouseWritingPanel(QWidget* client) {
    const MouseLayout layout = mouseLayout(1, false);
    PanelMus = raisedPanel(client, QStringLiteral("PanelMus"), rectOf(layout.panel));
    const QColor window = look::windowBackground();
    for (int cell = 1; cell <= kMouseCellCount; ++cell) {
        EditMusT[cell - 1] =
            field(PanelMus, QStringLiteral("EditMusT%1").arg(cell, 3, 10, QLatin1Char('0')),
                  layout.cells[cell - 1], window);
    }
    const QColor silver(0xC0, 0xC0, 0xC0);
    LabelMusTv = field(PanelMus, QStringLiteral("LabelMusTv"), layout.leftBand, silver);
    LabelMusTh = field(PanelMus, QStringLiteral("LabelMusTh"), layout.rightBand, silver);
    EditMusT0000 = field(PanelMus, QStringLiteral("EditMusT0000"), layout.middleBox, window);
    EditMusT0000->setFrameStyle(QFrame::Box | QFrame::Plain);
    EditMusT000a = field(PanelMus, QStringLiteral("EditMusT000a"), layout.activeBox, window);
    EditMusT000a->setFrameStyle(QFrame::Box | QFrame::Plain);
    EditMusT000b = field(PanelMus, QStringLiteral("EditMusT000b"), layout.lineBreakBox,
                         QColor(0x00, 0xFF, 0x00));
    EditMusT000c =
        field(PanelMus, QStringLiteral("EditMusT000c"), layout.deleteBox, look::fuchsia());
    LabelMusSh = field(PanelMus, QStringLiteral("LabelMusSh"), layout.upperShiftBox,
                       look::activeCaptionGradient());
    LabelMusSh->setText(QStringLiteral("Sh"));
    LabelMusSh2 = field(PanelMus, QStringLiteral("LabelMusSh2"), layout.lowerShiftBox,
                        look::activeCaptionGradient());

    const QString captions[] = {QStringLiteral("Stäng"), QStringLiteral("Font"),
                                QStringLiteral("Hex"), QStringLiteral("Stor"),
                                QStringLiteral("Max")};
    const QString names[] = {QStringLiteral("Button6"), QStringLiteral("Button7"),
                             QStringLiteral("Button8"), QStringLiteral("ButtonPMus4"),
                             QStringLiteral("ButtonPMus5")};
    QPushButton** buttons[] = {&Button6, &Button7, &Button8, &ButtonPMus4, &ButtonPMus5};
    for (int i = 0; i < 5; ++i) {
        *buttons[i] =
            placed(new QPushButton(captions[i], PanelMus), names[i], rectOf(layout.buttons[i]));
        (*buttons[i])->setFocusPolicy(Qt::NoFocus);
        (*buttons[i])->setMouseTracking(true);
    }

    // Between the alternative boxes and the comment box.
    Label17 = placed(new QLabel(client), QStringLiteral("Label17"), QRect(256, 2, 10, 90));
    setGround(*Label17, QColor(0x00, 0x00, 0xFF));
    Label17->hide();

    Memo11 = placed(new QPlainTextEdit(client), QStringLiteral("Memo11"), RichEdit2->geometry());
    Memo11->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo11->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo11->viewport()->setMouseTracking(true);
    Memo11->hide();
}

}  // namespace vernik
