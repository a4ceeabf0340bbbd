#pragma once

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vernik {

// The controls of fonts, the character table, the special alphabets, the
// keyboard shift and moving ÅÄÖ, part of the main window.
struct FontControls {
    // The font panel, menu Options "Font".
    QFrame* PanelFont = nullptr;
    QLabel* LabelPF1 = nullptr;        // "Ändring av font gäller"
    QLabel* LabelPF2 = nullptr;        // "hela texten"
    QLineEdit* EditPF1 = nullptr;      // name
    QLineEdit* EditPF2 = nullptr;      // size
    QLineEdit* EditPF3 = nullptr;      // colour number
    QLineEdit* EditPF4 = nullptr;      // style text
    QLineEdit* EditPF5 = nullptr;      // character set
    QLabel* LabelPF5 = nullptr;        // "Charset"
    QPushButton* ButtonPF1 = nullptr;  // "Ny Font"
    QPushButton* ButtonPF2 = nullptr;  // "O K "
    QPushButton* ButtonPF3 = nullptr;  // "Avbryt"
    QPushButton* ButtonPF4 = nullptr;  // "Kör teck.tab"

    // The question whether to run Lexicon1's teck.tab.
    QFrame* PanelTab1 = nullptr;
    QPushButton* ButtonPTab1 = nullptr;  // "Ja"
    QPushButton* ButtonPTab2 = nullptr;  // "Nej"

    QLineEdit* Edit7 = nullptr;  // the special-alphabet shift, shown with an alphabet

    // The keyboard map: the keys, and below each row what they type.
    std::array<QLabel*, 7> LabelK{};
    std::array<QLabel*, 7> LabelT{};

    // The keyboard shift, menu Options "Teckenförskjutning".
    QFrame* PanelBias = nullptr;
    QPushButton* ButtonPBias1 = nullptr;  // "-64"
    QPushButton* ButtonPBias2 = nullptr;  // "+/- 0"
    QPushButton* ButtonPBias3 = nullptr;  // "+64"
    QPushButton* ButtonPBias4 = nullptr;  // "+128"
    QLineEdit* EditPBias1 = nullptr;      // the shift
    QPushButton* ButtonPBias5 = nullptr;  // "Normal text"

    // Moving ÅÄÖ, menu Options "Flytta ÅÄÖ".
    QFrame* PanelKonv = nullptr;
    QPushButton* ButtonPKonv1 = nullptr;  // "Växla till A4,A5,A6,B4,B5,B6"
    QPushButton* ButtonPKonv2 = nullptr;  // "Växla till C4,C5,D6,E4,E5,F6"
    QPushButton* ButtonPKonv3 = nullptr;  // "Avbryt"
};

// Creates the controls on the window's client area, hidden.
void createFontControls(FontControls& controls, QWidget* client);

}  // namespace vernik
