#pragma once

#include <QObject>

namespace vernik {

class OutputBox;
class TForm1;
struct SharedState;

// Reading: selecting text in the output box looks it up (normally in
// Lexicon2), and every move of the caret shows the printed page and line.
class ReadingMode : public QObject {
    Q_OBJECT

  public:
    ReadingMode(TForm1& form, SharedState& state, OutputBox& outputBox);

    void RichEdit2SelectionChange();

  private:
    void showPageAndLine();
    bool chooseLexicon();

    TForm1& form_;
    SharedState& state_;
    OutputBox& outputBox_;
};

}  // namespace vernik
