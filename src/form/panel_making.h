#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

#include "platform/widget_look.h"

// Helpers for the form's panels: controls placed at fixed pixel places.
namespace vernik {

template <typename Control>
Control* placed(Control* control, const QString& name, const QRect& place) {
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

// A raised panel in the button colour, hidden until something shows it.
inline QFrame* raisedPanel(QWidget* client, const QString& name, const QRect& place) {
    auto* frame = placed(new QFrame(client), name, place);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGround(*frame, look::buttonFace());
    frame->hide();
    return frame;
}

}  // namespace vernik
