#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/font_state.h"

// Typed keys turned into the codes of a special alphabet: a font whose upper
// half holds another alphabet needs codes the keyboard cannot type.
namespace vernik {

// The code a key outside the digits and 65-127 is looked up at: Å Ä Ö å ä ö
// § ½ ' * < > move to the free places 218-223 and 250-255; other codes stay.
unsigned char preMappedKey(unsigned char key);

// Whether backwards writing is on for the font and the table's line 10.
bool writesBackwards(std::string_view fontName, std::string_view backwardsSetting);

// The special-alphabet shift a box text gives: its number, with any value
// below 2 taken as 128. Nothing when the text is not a number.
std::optional<int> specialShiftFromText(std::string_view text);
inline constexpr int kDefaultSpecialShift = 128;

// A key's code in the special alphabet: digits and 65-127 are shifted by
// `shift` and looked up in `table`; other keys go through the pre-map first.
// A shifted code past 255 has no entry: the key stays as typed.
unsigned char convertKey(unsigned char key, const ByteTable& table, int shift);

// The box a typed key goes to, as far as the conversion cares.
enum class KeyTarget { None, OutputBox, InputBox };

// What the window's key preview knows when a key comes.
struct KeyPreviewContext {
    KeyTarget target = KeyTarget::None;
    bool captureActive = false;  // a double-comma word is being typed: own-language text
    bool choiceMade = false;     // an alternative was just chosen by a digit
    // The last character of the output box's selection when more than one
    // character is selected.
    std::optional<unsigned char> selectionLast;
};

struct KeyPreviewResult {
    unsigned char key = 0;
    bool converted = false;  // the special-alphabet conversion ran
};

// The key preview's work on one key: the conversion where a special alphabet
// is on for the target, else the places of Å Ä Ö å ä ö in the program's own
// fonts; after a digit choice, a converted digit becomes the remembered last
// character of the selection. Recomputes fonts.BackwardsWriting and may
// update fonts.RememberedKey.
KeyPreviewResult previewKey(unsigned char key, const KeyPreviewContext& context, FontState& fonts);

// Å Ä Ö å ä ö at the places the program's own fonts hold them; other keys stay.
unsigned char ownFontKey(unsigned char key);

// Which way "Flytta ÅÄÖ" moves the six letters.
enum class AaoDirection { ToOwnFontPlaces, ToStandardPlaces };
unsigned char movedAao(unsigned char code, AaoDirection direction);

// The keyboard map: the keys of each of the seven rows and the texts their
// conversions show below them (each code followed by a blank).
inline constexpr std::array<std::string_view, 7> kKeyboardMapKeys = {
    "ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY", "Z\xC5\xC4\xD6\xA7", "*>"};
inline constexpr std::array<std::string_view, 7> kKeyboardMapCaptions = {
    "A B C D E ", "F G H I J", "K L M N O", "P Q R S T ", "U V W X Y", "Z \xC5 \xC4 \xD6 \xA7 ",
    "* > "};
std::array<std::string, 7> keyboardMapTexts(const ByteTable& table, int shift);

// A key typed with the keyboard shift on: key + shift, limited to 0..255.
unsigned char shiftedKey(unsigned char key, int shift);

// The hexadecimal display of a selection while the keyboard shift is on: the
// first 30 characters for the input box, and for each of the first three
// alternative boxes ten of their codes, each a blank and two hex digits.
struct HexDisplay {
    std::string input;
    std::array<std::string, 3> boxes;
};
HexDisplay hexDisplay(std::string_view selected);

}  // namespace vernik
