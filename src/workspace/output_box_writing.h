#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QLineEdit;

namespace vernik {

class OutputBox;
class TForm1;
struct SharedState;

// Writing in the output box: double-comma words looked up while typed and
// replaced by the alternative chosen with a digit or a click, paging through
// the alternatives, and the mouse in and around the output box.
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
    void recordKey(char key);
    std::optional<char> digitAfterChoice(char key);
    std::optional<char> digitInReading(char key);
    std::optional<char> ordinaryKey(char key);
    std::optional<char> chooseWithDigit(char key);
    void deletePendingWord();
    void showWindow(const struct AltWindow& window);
    void pageForward();
    void pageBack();
    bool moreShown() const;
    bool backShown() const;
    QLineEdit* box(int number) const;
    int boxLength(int number) const;
    void widenFrameFor(QLineEdit& box);
    void narrowFrame();
    void useScriptFontInOutputBox();
    void useMainFontInOutputBox();

    TForm1& form_;
    SharedState& state_;
    OutputBox& outputBox_;
    bool ctrlDown_ = false;
    std::function<void()> save_;
};

}  // namespace vernik
