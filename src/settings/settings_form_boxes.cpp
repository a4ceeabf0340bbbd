#include "settings/settings_form_boxes.h"

#include <QLineEdit>

#include "form/tform1.h"
#include "platform/qt_text.h"

namespace vernik {

std::array<SettingsBoxPair, kSettingsEntryCount> settingsBoxPairs(const TForm1& f) {
    return {{
        {f.EditPIni1, f.EditPIni2},      // Lexikon1Mapp
        {f.EditPIni3, f.EditPIni4},      // Lexikon2Mapp
        {f.EditPIni21, f.EditPIni22},    // StartUtfil
        {f.EditPIni25, f.EditPIni26},    // StartURL
        {f.EditPIni5, f.EditPIni6},      // Hämta Utfil
        {f.EditPIni7, f.EditPIni8},      // Spara Utfil
        {f.EditPIni9, f.EditPIni10},     // Försättssida
        {f.EditPIni11, f.EditPIni12},    // Fontnamn
        {f.EditPIni13, f.EditPIni14},    // Fontstorlek
        {f.EditPIni15, f.EditPIni16},    // Fontfärg
        {f.EditPIni17, f.EditPIni18},    // Fontstil
        {f.EditPPIni1, f.EditPPIni2},    // SkalaHor
        {f.EditPPIni3, f.EditPPIni4},    // SkalaVert
        {f.EditPPIni5, f.EditPPIni6},    // Textbredd i pixels
        {f.EditPPIni7, f.EditPPIni8},    // V marginal i pixels
        {f.EditPPIni9, f.EditPPIni10},   // Övre marginal i pixels
        {f.EditPPIni11, f.EditPPIni12},  // Radavstånd
        {f.EditPPIni13, f.EditPPIni14},  // Radantal
        {f.EditPPIni15, f.EditPPIni16},  // Sidnummer
        {f.EditPPIni17, f.EditPPIni18},  // Bytes per rad
        {f.EditPIni19, f.EditPIni20},    // Skärmtexthöjd
    }};
}

QLineEdit& valueBox(const TForm1& form, SettingsEntry entry) {
    return *settingsBoxPairs(form)[static_cast<std::size_t>(entry)].value;
}

SettingsBoxes settingsBoxTexts(const TForm1& form) {
    SettingsBoxes boxes;
    const auto pairs = settingsBoxPairs(form);
    for (std::size_t i = 0; i < kSettingsEntryCount; ++i) {
        boxes.entries[i].mod = toBytes(pairs[i].mod->text());
        boxes.entries[i].value = toBytes(pairs[i].value->text());
    }
    return boxes;
}

void showSettingsBoxTexts(const TForm1& form, const SettingsBoxes& boxes) {
    const auto pairs = settingsBoxPairs(form);
    for (std::size_t i = 0; i < kSettingsEntryCount; ++i) {
        pairs[i].mod->setText(fromBytes(boxes.entries[i].mod));
        pairs[i].value->setText(fromBytes(boxes.entries[i].value));
    }
}

}  // namespace vernik
