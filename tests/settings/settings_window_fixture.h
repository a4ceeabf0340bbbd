#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "program_fixture.h"
#include "settings/settings_layout.h"

namespace vernik {

// A settings file line by line: five free-text lines, every entry with Mod
// code "4" (Default) and the value ".", unless `entries` gives its Mod line
// and value; ten excluded words; one free-text line at the end.
inline std::vector<std::string> settingsLines(
    const std::map<SettingsEntry, std::pair<std::string, std::string>>& entries,
    const std::vector<std::string>& words = {}) {
    std::vector<std::string> lines = {"Vernik", "2", "3", "4", "5"};
    auto add = [&](SettingsEntry entry) {
        const auto given = entries.find(entry);
        lines.push_back(given == entries.end() ? "4 Default" : given->second.first);
        lines.push_back(given == entries.end() ? "." : given->second.second);
    };
    for (std::size_t i = 0; i < kLeadingEntryCount; ++i) add(entryAt(i));
    lines.push_back("Undantagna ord");
    for (std::size_t k = 0; k < kExcludedWordCount; ++k) {
        lines.push_back(k < words.size() ? words[k] : "");
    }
    add(SettingsEntry::ScreenTextHeight);
    lines.push_back("slut");
    return lines;
}

// A program started in a fresh folder, with the system settings folders
// inside that folder too, so that no settings of the machine take part.
class SettingsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        systemSettingsFolders = {path("config/vernik"), path("etc/vernik")};
    }

    // Writes a settings file at `name` (relative to the start folder).
    std::string writeSettings(
        const std::string& name,
        const std::map<SettingsEntry, std::pair<std::string, std::string>>& entries,
        const std::vector<std::string>& words = {}) {
        return folder.writeLines(name, settingsLines(entries, words)).string();
    }

    SettingsState& settings() { return state().settings; }
    std::string startFolder() { return ws().StartFolder; }
};

}  // namespace vernik
