#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace vernik {

class Dialogs;
class LexiconChoice;
class OutputBox;
class TForm1;
struct SharedState;

// The lexicon-menu tools that report into the output box or clean a
// lexicon folder: "Textkontroll", "Räkna ord i Lexikon1", "Nyord i
// Lexikon1" and "Rensa nyord".
class LexiconTools : public QObject {
    Q_OBJECT

  public:
    LexiconTools(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox,
                 LexiconChoice& choice);

    void Textkontroll1Click();
    void ButtonTx1Click();  // "Avstå"
    void ButtonTx2Click();  // "KÖR"
    void ButtonTx3Click();  // "Bläddra"
    void Rknaord1Click();
    void Nyord2Click();
    void NyOrd1Click();
    void ButtonPNyord1Click();  // "Bläddra"
    void ButtonPNyord2Click();  // "Avstå"
    void ButtonPNyord3Click();  // "KÖR"

  private:
    void closeLexicon2();
    bool lexicon1IsThere();
    void appendReport(const std::vector<std::string>& lines);
    // Shows the progress in the message bar and lets the window repaint;
    // user input waits until the run is over.
    std::function<void(int)> progressShown(const QString& caption);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    OutputBox& outputBox_;
    LexiconChoice& choice_;
    QString textDialogFolder_;  // where the file dialog of the text check opens
};

}  // namespace vernik
