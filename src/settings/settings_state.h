#pragma once

#include <array>
#include <string>

namespace vernik {

// The settings file found at start and what it holds beyond the panel boxes.
struct SettingsState {
    std::string SettingsFileName;
    bool SettingsFileFound = false;
    std::array<std::string, 10> ExcludedWords{};  // words lexicon reversal leaves out
    char TitlePageSetting = '0';                  // '1' shows the title page at start
};

}  // namespace vernik
