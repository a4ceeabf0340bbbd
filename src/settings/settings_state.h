#pragma once

#include <array>
#include <string>
#include <vector>

namespace vernik {

// The settings file found at start and what it holds beyond the panel boxes.
// Paths are native (UTF-8) strings joined with "/".
struct SettingsState {
    std::string SettingsFileName;  // when no file was found, the last name tried
    bool SettingsFileFound = false;
    std::array<std::string, 10> ExcludedWords{};  // words lexicon reversal leaves out
    char TitlePageSetting = '0';                  // '1' shows the title page at start

    // Folders searched for "Vernik1.ini" and its kin after the start folder.
    // The program fills it from the environment; tests give their own.
    std::vector<std::string> SystemSettingsFolders;

    // Where the document open and save dialogs start, and the open dialog's
    // filter once a rich-text document was opened at start.
    std::string OpenDialogFolder;
    std::string SaveDialogFolder;
    std::string OpenDialogFilter;
};

}  // namespace vernik
