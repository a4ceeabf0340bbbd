#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "media/mouse_writing.h"
#include "platform/code_page_table.h"

class QWidget;

namespace vernik {

class OutputBox;
class TForm1;
struct SharedState;

// Mouse writing: the panel of character cells, its buttons, the strip that
// brings it back after a lookup hid it, and the overlay box that shows the
// output box's bytes in a multibyte character set.
class MouseWritingPanel : public QObject {
    Q_OBJECT

  public:
    // The window's key handling for a character sent from `sender`, and the
    // output box's; each returns the character to go on with, or nothing
    // when it swallows it.
    using FormKeyPress = std::function<std::optional<char>(QWidget& sender, char key)>;
    using OutputKeyPress = std::function<std::optional<char>(char key)>;

    MouseWritingPanel(TForm1& form, SharedState& state, OutputBox& outputBox,
                      FormKeyPress formKeyPress, OutputKeyPress outputKeyPress);

    // The state at start: small cells in "Small Fonts", characters shown,
    // shift off, normal size, everything hidden. Start-up calls it once the
    // character table is filled.
    void startUp();

    void Musskrift0Click();
    void Label17MouseEnter();
    void pointerOver(MouseElement element);  // the cells', bands' and boxes' handlers
    void Button6Click();                     // "Stäng"
    void Button7Click();                     // "Font"
    void Button8Click();                     // "Hex" / "Tecken"
    void ButtonPMus4Click();                 // "Stor" / "Liten"
    void ButtonPMus5Click();                 // "Max"
    void Memo11DblClick();

    void WriteActive(const std::string& active);
    void FillCells();
    void ApplyCellFont();
    void LayOut();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::optional<MouseElement> elementOf(const QObject* watched) const;
    void show(const MouseReaction& reaction);
    void insertBlank();
    void insertLineBreak(int position);
    void deleteAt(int position);
    void showShift();
    void showCellTexts();
    void fontAction();
    void layOverlay();
    void refreshOverlay();
    void memo11KeyPress(const QString& typed);
    bool mainFontIsMultibyte() const;
    void giveOutputBoxMainFont();

    TForm1& form_;
    SharedState& state_;
    OutputBox& outputBox_;
    FormKeyPress formKeyPress_;
    OutputKeyPress outputKeyPress_;
    std::array<std::string, kMouseCellCount> cellTexts_;
    CodePageTable cellCodePage_;  // of the cell font
};

}  // namespace vernik
