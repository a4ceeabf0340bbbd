#include "settings/charset_names.h"

#include <array>
#include <utility>

#include "platform/decimal_number.h"

namespace vernik {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 19> kCharsetNames = {{
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

constexpr std::string_view kOwnFontPrefix = "Vernik";

}  // namespace

std::optional<int> charsetOfName(std::string_view name) {
    for (const auto& [charsetName, number] : kCharsetNames) {
        if (name == charsetName) return number;
    }
    return std::nullopt;
}

int charsetFromBoxText(std::string_view text) {
    if (const std::optional<int> number = parseWholeNumberIn(text, {0, 255})) return *number;
    return charsetOfName(text).value_or(0);
}

bool isScriptFontName(std::string_view name) {
    return name == "xdvng";
}

bool isOwnFontName(std::string_view name) {
    return name.starts_with(kOwnFontPrefix);
}

bool fontHidesCharsetBox(std::string_view name) {
    return name.starts_with(kOwnFontPrefix.substr(0, 3)) || isScriptFontName(name);
}

bool isRightToLeftFontName(std::string_view name) {
    return name.starts_with("Arab") || (name.size() >= 10 && name.substr(6, 4) == "Arab");
}

}  // namespace vernik
