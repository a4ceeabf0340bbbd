#pragma once

#include <QObject>

namespace vernik {

class TForm1;
struct SharedState;
struct ChangeResult;

// Editing the lexicon in use from the main window: a double-click on the
// frame of the alternative boxes enters change mode, a double-click on the
// input box commits the boxes' contents to the headword's letter file.
class ChangeMode : public QObject {
    Q_OBJECT

  public:
    ChangeMode(TForm1& form, SharedState& state);

    void PanelAlt1DblClick();
    void Edit1DblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showOutcome(const ChangeResult& result);
    void restoreFrameColour();

    TForm1& form_;
    SharedState& state_;
};

}  // namespace vernik
