#pragma once

#include <QFont>
#include <QObject>
#include <functional>
#include <optional>

#include "extras/hex_view.h"

namespace vernik {

class Dialogs;
class TForm1;
struct SharedState;

// The hex view panel "Visa Hackerbild": a range of a disk file in two panes,
// and a copy of the file written with the range taken from the left pane.
class HexViewPanel : public QObject {
    Q_OBJECT

  public:
    HexViewPanel(TForm1& form, SharedState& state, Dialogs& dialogs);

    void Hack1Click();      // "Visa Hackerbild"
    void ButtonPH4Click();  // "Ny Fil"
    void ButtonPH3Click();  // "Spara som"
    void ButtonPH5Click();  // "KÖR"
    void ButtonPH2Click();  // "Ny Font"
    void ButtonPH1Click();  // "Stäng"
    void PH1Change();       // either range field
    void EditPH2Change();

    // Fills both panes from HexViewFile for the range in the fields; false,
    // with a message, when the range or the file cannot be read.
    bool LoadHexView();
    // Writes HexSaveFile from HexViewFile and the hexadecimal pane; false
    // when nothing was written.
    bool SaveHexView();

    // The font dialog of "Ny Font"; the platform's own unless a test sets another.
    std::function<std::optional<QFont>(const QFont& current)> chooseFont;

  private:
    void showPanel();
    void clearPanes();

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    HexRange shown_;  // the range the panes hold
};

}  // namespace vernik
