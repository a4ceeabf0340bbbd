#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vernik {

// The settings file a start uses, and whether it exists.
struct SettingsCandidate {
    std::string fileName;  // when none exists, the last name tried
    bool exists = false;
};

// Looks for the settings file of a start: "Vernik1.ini", "Vernik10.ini",
// "Vernik11.ini" and "Vernik12.ini" in the start folder, then the same names
// in each system folder in turn, stopping at the first that exists; a
// "Vernik.ini" in the start folder wins over all of them.
SettingsCandidate findStartSettings(const std::string& startFolder,
                                    const std::vector<std::string>& systemFolders);

// The "Vernik.ini" in a document's folder, when there is one. An empty folder
// (no document) has none.
std::optional<std::string> findFolderSettings(const std::string& folder);

// The system folders searched for settings files: the user's configuration
// folder ($XDG_CONFIG_HOME, or ~/.config when that is unset or not absolute)
// and the machine's, each with a "vernik" folder.
std::vector<std::string> systemSettingsFolders(const char* xdgConfigHome, const char* home);

}  // namespace vernik
