#pragma once

#include <QColor>

class QWidget;

// Colours of the window and the way boxes, panels and labels take them.
namespace vernik {

// Fixed tones for the system colours the window was designed with.
namespace look {
inline QColor buttonFace() {
    return QColor(0xF0, 0xF0, 0xF0);
}
inline QColor activeCaptionGradient() {
    return QColor(0xB9, 0xD1, 0xEA);
}
inline QColor tooltipBackground() {
    return QColor(0xFF, 0xFF, 0xE1);
}
inline QColor windowBackground() {
    return QColor(0xFF, 0xFF, 0xFF);
}
inline QColor pureRed() {
    return QColor(0xFF, 0x00, 0x00);
}
inline QColor fuchsia() {
    return QColor(0xFF, 0x00, 0xFF);
}
inline QColor black() {
    return QColor(0x00, 0x00, 0x00);
}
}  // namespace look

// The ground of a box (its text area) or of a panel (its whole face).
void setGround(QWidget& widget, const QColor& colour);
QColor groundOf(const QWidget& widget);

// The colour of the text of a box or label.
void setTextColour(QWidget& widget, const QColor& colour);
QColor textColourOf(const QWidget& widget);

}  // namespace vernik
