#include "settings/settings_layout.h"

namespace vernik {
namespace {

// The built-in web address offered to the web panel at start.
constexpr std::string_view kDefaultStartAddress = "https://sv.wiktionary.org/";

constexpr std::array<SettingsEntryLayout, kSettingsEntryCount> kLayout = {{
    {"Lexikon1Mapp", "4", "sven\\Aalt.lex"},
    {"Lexikon2Mapp", "4", "ensv\\Aalt.lex"},
    {"StartUtfil", "", ""},
    {"StartURL", "1", kDefaultStartAddress},
    {"H\xE4mta Utfil", "5", ""},
    {"Spara Utfil", "1", ""},
    {"F\xF6rs\xE4ttssida", "1", "1"},
    {"Fontnamn", "1", "MS Sans Serif"},
    {"Fontstorlek", "1", "14"},
    {"Fontf\xE4rg", "1", "-2147483640"},
    {"Fontstil", "1", ""},
    {"SkalaHor", "1", "6,5"},
    {"SkalaVert", "1", "6,5"},
    {"Textbredd i pixels", "1", "680"},
    {"V marginal i pixels", "1", "20"},
    {"\xD6vre marginal i pixels", "1", "40"},
    {"Radavst\xE5nd", "1", "1,0"},
    {"Radantal", "1", "30"},
    {"Sidnummer", "1", "1"},
    {"Bytes per rad", "1", "15"},
    {"Sk\xE4rmtexth\xF6jd", "", "400"},
}};

}  // namespace

const SettingsEntryLayout& layoutOf(SettingsEntry entry) {
    return kLayout[static_cast<std::size_t>(entry)];
}

int modLineOf(SettingsEntry entry) {
    if (entry == SettingsEntry::ScreenTextHeight) return kScreenTextHeightModLine;
    return kFreeTextLineCount + 1 + 2 * static_cast<int>(entry);
}

SettingsBoxes SettingsBoxes::builtIn() {
    SettingsBoxes boxes;
    for (std::size_t i = 0; i < kSettingsEntryCount; ++i) {
        boxes.entries[i].mod = kLayout[i].defaultMod;
        boxes.entries[i].value = kLayout[i].defaultValue;
    }
    return boxes;
}

}  // namespace vernik
