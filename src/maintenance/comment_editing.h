#pragma once

#include <QObject>

namespace vernik {

class TForm1;
struct SharedState;

// Storing what is typed in the comment box: a key released there offers
// Button2, whose click adds the box's lines as a comment block of the
// headword shown or replaces the comments it has.
class CommentEditing : public QObject {
    Q_OBJECT

  public:
    CommentEditing(TForm1& form, SharedState& state);

    void RichEdit3KeyUp();
    void Button2Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TForm1& form_;
    SharedState& state_;
};

}  // namespace vernik
