#include "platform/question_panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace vernik {
namespace {

class QuestionPanel : public QObject {
  public:
    QuestionPanel(QWidget& panel, QPushButton& defaultButton, QPushButton& cancelButton)
        : QObject(&panel), panel_(panel), default_(defaultButton), cancel_(cancelButton) {
        panel_.installEventFilter(this);
        if (panel_.isVisible()) open();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &panel_) {
            if (event->type() == QEvent::Show) open();
            if (event->type() == QEvent::Hide) close();
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !open_) return false;
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                event->accept();  // no shortcut of the window runs behind the question
                return !inside(*widget);
            case QEvent::KeyPress:
                return keyPress(*widget, *static_cast<QKeyEvent*>(event));
            case QEvent::KeyRelease:
                return !inside(*widget);
            default:
                return false;
        }
    }

  private:
    bool inside(const QWidget& widget) const {
        return &widget == &panel_ || panel_.isAncestorOf(&widget);
    }

    bool keyPress(QWidget& receiver, const QKeyEvent& key) {
        switch (key.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: {
                auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
                (focused && inside(*focused) ? focused : &default_)->click();
                return true;
            }
            case Qt::Key_Escape:
                cancel_.click();
                return true;
            default:
                return !inside(receiver);
        }
    }

    void open() {
        if (!open_) qApp->installEventFilter(this);
        open_ = true;
        default_.setFocus(Qt::OtherFocusReason);
    }
    void close() {
        if (open_) qApp->removeEventFilter(this);
        open_ = false;
    }

    QWidget& panel_;
    QPushButton& default_;
    QPushButton& cancel_;
    bool open_ = false;
};

}  // namespace

void askAsQuestion(QWidget& panel, QPushButton& defaultButton, QPushButton& cancelButton) {
    new QuestionPanel(panel, defaultButton, cancelButton);
}

}  // namespace vernik
