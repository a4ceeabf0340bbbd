#pragma once

#include <QObject>

namespace vernik {

class Dialogs;
class TForm1;
struct SharedState;

// The font panel (menu Options "Font"), the character-table question and
// the character-table reader: the main font, its character set, and the
// special-alphabet tables a lexicon's teck.tab sets.
class FontPanel : public QObject {
    Q_OBJECT

  public:
    FontPanel(TForm1& form, SharedState& state, Dialogs& dialogs);

    void Font1Click();        // opens the panel
    void ButtonPF1Click();    // "Ny Font"
    void ButtonPF2Click();    // "O K "
    void ButtonPF3Click();    // "Avbryt"
    void ButtonPF4Click();    // "Kör teck.tab"
    void ButtonPTab1Click();  // "Ja": run the lexicon's teck.tab
    void ButtonPTab2Click();  // "Nej"

    // Asks whether to run CharTableFileName (the settings search and a new
    // Lexicon1 set it).
    void offerCharacterTable();
    // Loads CharTableFileName: the tables, and the font, alphabet and
    // backwards writing it names.
    void runCharacterTable();

  private:
    void fillFromFont(const QFont& font);
    void fillFromMainFont();
    void showCharsetBoxFor(const QString& fontName);
    void copyToSettingsBoxes();
    void proposePrintScales();
    void giveMouseWritingFont();
    void applyFontToBoxes();
    void setCyrillicShift();
    void focusOutputBox();

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
};

}  // namespace vernik
