#include "settings/special_alphabet.h"

#include <algorithm>
#include <utility>

#include "platform/decimal_number.h"
#include "settings/charset_names.h"

namespace vernik {
namespace {

constexpr std::array<std::pair<unsigned char, unsigned char>, 12> kPreMap = {{
    {197, 221},  // Å
    {196, 222},  // Ä
    {214, 223},  // Ö
    {229, 253},  // å
    {228, 254},  // ä
    {246, 255},  // ö
    {167, 250},  // §
    {189, 218},  // ½
    {'\'', 251},
    {'*', 219},
    {'<', 252},
    {'>', 220},
}};

// Standard place, place in the program's own fonts.
constexpr std::array<std::pair<unsigned char, unsigned char>, 6> kOwnFontPlaces = {{
    {0xC5, 0xA5},  // Å
    {0xC4, 0xA4},  // Ä
    {0xD6, 0xA6},  // Ö
    {0xE5, 0xB5},  // å
    {0xE4, 0xB4},  // ä
    {0xF6, 0xB6},  // ö
}};

bool isDigit(unsigned char key) {
    return key >= '0' && key <= '9';
}

bool isShiftedKey(unsigned char key) {
    return isDigit(key) || (key >= 65 && key <= 127);
}

bool conversionOn(const KeyPreviewContext& context, const FontState& fonts) {
    switch (context.target) {
        case KeyTarget::InputBox:
            return fonts.OwnSpecial;
        case KeyTarget::OutputBox:
            return context.captureActive ? fonts.OwnSpecial : fonts.ForeignSpecial;
        default:
            return false;
    }
}

}  // namespace

unsigned char preMappedKey(unsigned char key) {
    for (const auto& [typed, place] : kPreMap) {
        if (key == typed) return place;
    }
    return key;
}

bool writesBackwards(std::string_view fontName, std::string_view backwardsSetting) {
    return isRightToLeftFontName(fontName) || backwardsSetting == "Bak1";
}

std::optional<int> specialShiftFromText(std::string_view text) {
    const std::optional<int> shift = parseWholeNumber(text);
    if (!shift) return std::nullopt;
    return *shift < 2 ? kDefaultSpecialShift : *shift;
}

unsigned char convertKey(unsigned char key, const ByteTable& table, int shift) {
    if (!isShiftedKey(key)) return table[preMappedKey(key)];
    const long long code = static_cast<long long>(key) + shift;  // a typed shift may be huge
    if (code < 0 || code > 255) return key;
    return table[static_cast<std::size_t>(code)];
}

KeyPreviewResult previewKey(unsigned char key, const KeyPreviewContext& context, FontState& fonts) {
    KeyPreviewResult result{.key = key};
    if (conversionOn(context, fonts)) {
        if (isShiftedKey(key))
            fonts.BackwardsWriting = writesBackwards(fonts.MainFont.name, fonts.BackwardsSetting);
        const ByteTable& table = context.captureActive ? fonts.OwnTable : fonts.ForeignTable;
        result.key = convertKey(key, table, fonts.SpecialShift);
        result.converted = true;
    } else if (isOwnFontName(fonts.MainFont.name)) {
        result.key = ownFontKey(key);
    }
    // Digits choose after a choice; a converted key that came out as one is
    // written as the character last selected instead.
    if (result.converted && context.choiceMade && result.key >= '0' && result.key <= '7') {
        if (context.selectionLast) fonts.RememberedKey = static_cast<char>(*context.selectionLast);
        result.key = static_cast<unsigned char>(fonts.RememberedKey);
    }
    return result;
}

unsigned char ownFontKey(unsigned char key) {
    return movedAao(key, AaoDirection::ToOwnFontPlaces);
}

unsigned char movedAao(unsigned char code, AaoDirection direction) {
    for (const auto& [standard, own] : kOwnFontPlaces) {
        if (direction == AaoDirection::ToOwnFontPlaces && code == standard) return own;
        if (direction == AaoDirection::ToStandardPlaces && code == own) return standard;
    }
    return code;
}

std::array<std::string, 7> keyboardMapTexts(const ByteTable& table, int shift) {
    std::array<std::string, 7> texts;
    for (std::size_t row = 0; row < kKeyboardMapKeys.size(); ++row) {
        for (const char key : kKeyboardMapKeys[row]) {
            texts[row] +=
                static_cast<char>(convertKey(static_cast<unsigned char>(key), table, shift));
            texts[row] += ' ';
        }
    }
    return texts;
}

unsigned char shiftedKey(unsigned char key, int shift) {
    return static_cast<unsigned char>(std::clamp(static_cast<long>(key) + shift, 0L, 255L));
}

HexDisplay hexDisplay(std::string_view selected) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    constexpr std::size_t kShown = 30;
    constexpr std::size_t kPerBox = 10;
    HexDisplay display;
    const std::string_view shown = selected.substr(0, kShown);
    display.input = shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto code = static_cast<unsigned char>(shown[i]);
        std::string& box = display.boxes[i / kPerBox];
        box += ' ';
        box += kDigits[code >> 4];
        box += kDigits[code & 0xF];
    }
    return display;
}

}  // namespace vernik
