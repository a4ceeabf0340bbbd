#pragma once

#include <array>

#include "settings/settings_layout.h"

class QLineEdit;

namespace vernik {

class TForm1;

// The Mod box and the value box of one entry in the settings panels.
struct SettingsBoxPair {
    QLineEdit* mod;
    QLineEdit* value;
};

// The boxes of every entry, in file order.
std::array<SettingsBoxPair, kSettingsEntryCount> settingsBoxPairs(const TForm1& form);

QLineEdit& valueBox(const TForm1& form, SettingsEntry entry);

// The texts of the boxes as Windows-1252 bytes, and back.
SettingsBoxes settingsBoxTexts(const TForm1& form);
void showSettingsBoxTexts(const TForm1& form, const SettingsBoxes& boxes);

}  // namespace vernik
