#include "platform/line_box_focus.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace vernik {
namespace {

class SelectAllOnFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        switch (static_cast<QFocusEvent*>(event)->reason()) {
            case Qt::MouseFocusReason:
            case Qt::ActiveWindowFocusReason:
            case Qt::PopupFocusReason:
                return false;
            default:
                static_cast<QLineEdit*>(watched)->selectAll();
                return false;
        }
    }
};

}  // namespace

void selectAllOnFocus(QLineEdit& box) {
    box.installEventFilter(new SelectAllOnFocus(&box));
}

void focusFromPointer(QLineEdit& box) {
    if (box.window()->focusWidget() == &box) return;
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}

}  // namespace vernik
