#pragma once

#include <QObject>
#include <string>
#include <vector>

namespace vernik {

class Dialogs;
class OutputBox;
class TForm1;
struct SharedState;

// The Options menu's transformations: html tags and line ends of the output
// box's displayed lines, the output file as digits and digits back to bytes,
// and UTF-8 Cyrillic to the program's Cyrillic font layout. None of them
// writes the output file itself.
class TextTransformations : public QObject {
    Q_OBJECT

  public:
    TextTransformations(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox);

    void aborttags1Click();     // "Ta bort html-tags"
    void abortradslut1Click();  // "Ta bort radslut"
    void addradslut1Click();    // "Lägg in radslut"
    void Bytes1Click();         // "Bytes till siffror"
    void ButtonPBD1Click();     // "OK": append the listing
    void ButtonPBD2Click();     // "Avbryt"
    void Bytes2Click();         // "Siffror till bytes"
    void Cyr1Click();           // "Unicode till VernikCyr"
    void ButtonPUni1Click();    // "KÖR"
    void ButtonPUni2Click();    // "Avstå"

  private:
    void appendListing(std::string_view bytes, int perLine);
    void message(const std::string& text);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    OutputBox& outputBox_;
};

}  // namespace vernik
