#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vernik {

// The find dialog, or with a replacement text the replace dialog, in
// Swedish. It stays open beside the window and says what its buttons ask;
// the search itself is the caller's, always case-sensitive.
class FindReplaceDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Kind { Find, Replace };
    FindReplaceDialog(Kind kind, QWidget* parent);

    QString findText() const;
    QString replaceText() const;  // empty for the find dialog
    QLineEdit& findBox() { return *find_; }
    QLineEdit* replaceBox() { return replace_; }  // none in the find dialog
    QPushButton& findNextButton() { return *findNext_; }
    QPushButton* replaceButton() { return replaceOne_; }
    QPushButton* replaceAllButton() { return replaceAll_; }

  signals:
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();

  private:
    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replaceOne_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

}  // namespace vernik
