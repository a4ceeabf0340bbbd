#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;

namespace vernik {

class OutputBox;
class TForm1;
struct SharedState;

// Keys typed anywhere in the window, before the focused control sees them:
// the special alphabets, the places of ÅÄÖ in the program's own fonts, the
// output box taking the main font. Also the two special-alphabet menu items
// with the keyboard map, the keyboard shift with its hexadecimal display,
// moving ÅÄÖ, and backwards writing in the input box.
class SpecialAlphabetKeys : public QObject {
    Q_OBJECT

  public:
    SpecialAlphabetKeys(TForm1& form, SharedState& state, OutputBox& outputBox);

    void Specialalfabet1Click();  // own alphabet on or off
    void Specialalfabet2Click();  // foreign alphabet on or off
    void OptionsPopup();          // the foreign item shows its current caption
    void Edit7Change();
    void Bias1Click();
    void ButtonPBiasClick(int number);  // 1-4: "-64", "+/- 0", "+64", "+128"
    void ButtonPBias5Click();           // "Normal text"
    void EditPBias1Change();
    void Flytta1Click();
    void ButtonPKonv1Click();  // to the own fonts' places
    void ButtonPKonv2Click();  // to the standard places
    void ButtonPKonv3Click();  // "Avbryt"
    void RichEdit2SelectionChange();
    // The window's key handling for a character sent from `sender` by other
    // means than the keyboard: the character to go on with, or nothing when
    // it is swallowed.
    std::optional<char> FormKeyPress(QWidget& sender, char key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keyPreview(QWidget& receiver, QKeyEvent& key);
    std::optional<unsigned char> previewByte(QWidget& receiver, unsigned char typed);
    void giveOutputBoxMainFont();
    bool takeSpecialShift();
    void moveAao(bool toOwnPlaces);
    void focusOutputBox();

    TForm1& form_;
    SharedState& state_;
    OutputBox& outputBox_;
    bool resending_ = false;
};

}  // namespace vernik
