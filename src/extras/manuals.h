#pragma once

#include <QObject>
#include <vector>

class QAction;
class QPlainTextEdit;

namespace vernik {

class TForm1;

// The manuals of the menu "Bruksanvisningar": each menu item shows its box in
// front; a click in the box's text hides it again.
class Manuals : public QObject {
    Q_OBJECT

  public:
    explicit Manuals(TForm1& form);

    struct Manual {
        QAction* item;
        QPlainTextEdit* box;
        bool focusOutputBoxAfter;  // the output box takes the keys once it is hidden
    };
    const std::vector<Manual>& manuals() const { return manuals_; }

    void showManual(QPlainTextEdit& box);
    void hideManual(const Manual& manual);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TForm1& form_;
    std::vector<Manual> manuals_;
};

}  // namespace vernik
