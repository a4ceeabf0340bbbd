#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "workspace/writing_capture.h"

class QLineEdit;

namespace vernik {

class OutputBox;
class TForm1;
struct SharedState;

// Writing in the output box: passes keys, clicks on the alternative boxes and
// mouse presses to the double-comma capture and applies the edits it returns;
// pages through the alternatives; the mouse wheel and the frame's width.
class OutputBoxWriting : public QObject {
    Q_OBJECT

  public:
    OutputBoxWriting(TForm1& form, SharedState& state, OutputBox& outputBox);

    // The character to insert for a typed key, or nothing to swallow it.
    std::optional<char> RichEdit2KeyPress(char key);
    void EditPAltClick(int box);  // boxes 1-3
    void EditPAlt4Click();
    void LabelPAlt1Click();  // "Återgå"
    void LabelPAlt2Click();  // "Flera Alternativ"
    void RichEdit2MouseDown();
    void RichEdit2Change();
    void RichEdit2MouseWheel(bool towardsUser);

    // What Ctrl+S in the output box runs.
    void setSaveCommand(std::function<void()> save) { save_ = std::move(save); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    WritingView view() const;
    TypingOptions typingOptions() const;
    void apply(const WritingEdit& edit);
    void applyChoice(const Choice& choice);
    void deleteRange(int start, int length);
    bool moreShown() const;
    bool backShown() const;
    QLineEdit* box(int number) const;
    void widenFrameFor(QLineEdit& box);
    void narrowFrame();
    void useScriptFontInOutputBox();
    void useMainFontInOutputBox();

    TForm1& form_;
    SharedState& state_;
    OutputBox& outputBox_;
    WritingCapture capture_;
    bool ctrlDown_ = false;
    std::function<void()> save_;
};

}  // namespace vernik
