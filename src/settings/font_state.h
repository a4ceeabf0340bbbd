#pragma once

#include <array>
#include <string>

#include "platform/font_spec.h"

namespace vernik {

// A translation of every byte value to another.
using ByteTable = std::array<unsigned char, 256>;

inline ByteTable identityByteTable() {
    ByteTable table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    return table;
}

// Fonts, character sets and the special alphabets typed through them.
struct FontState {
    FontSpec MainFont{.name = "MS San Serif"};
    FontSpec ScriptFont{.name = "xdvng", .charset = 2};
    bool XdvngMode = false;  // MainFont is the Devanagari font "xdvng"
    int FontCharset = 0;
    std::string CharTableFileName;  // the teck.tab to load
    std::string BackwardsSetting;

    // Special alphabets and keyboard shift.
    ByteTable OwnTable = identityByteTable();
    ByteTable ForeignTable = identityByteTable();
    bool OwnSpecial = false;
    bool ForeignSpecial = false;
    int SpecialShift = 128;
    bool KeyboardShiftOn = false;
    int KeyboardShift = 0;  // added to every typed key while KeyboardShiftOn
    bool BackwardsWriting = false;
    char RememberedKey = ' ';  // written for a digit typed after a choice in a special alphabet
    std::string CaptionOwnToSpecial = "Eget Latinskt till Special";
    std::string CaptionOwnFromSpecial = "Eget Special till Latinskt";
    std::string CaptionForeignToSpecial = "Fr\xE4mmande Latinskt till Special";
    std::string CaptionForeignFromSpecial = "Fr\xE4mmande Special till Latinskt";
    std::string ForeignSpecialCaption = CaptionForeignToSpecial;
};

}  // namespace vernik
