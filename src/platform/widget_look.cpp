#include "platform/widget_look.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace vernik {
namespace {

// Boxes paint their text area with the Base role, panels their face with Window.
bool isBox(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(&widget) != nullptr;
}

}  // namespace

void setGround(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(isBox(widget) ? QPalette::Base : QPalette::Window, colour);
    widget.setPalette(palette);
    if (!isBox(widget)) widget.setAutoFillBackground(true);
}

QColor groundOf(const QWidget& widget) {
    return widget.palette().color(isBox(widget) ? QPalette::Base : QPalette::Window);
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(isBox(widget) ? QPalette::Text : QPalette::WindowText, colour);
    widget.setPalette(palette);
}

QColor textColourOf(const QWidget& widget) {
    return widget.palette().color(isBox(widget) ? QPalette::Text : QPalette::WindowText);
}

}  // namespace vernik
