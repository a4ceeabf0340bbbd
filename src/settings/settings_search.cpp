#include "settings/settings_search.h"

#include <array>
#include <string_view>

#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::array<std::string_view, 4> kNumberedNames = {"Vernik1.ini", "Vernik10.ini",
                                                            "Vernik11.ini", "Vernik12.ini"};
constexpr std::string_view kFolderSettingsName = "Vernik.ini";

std::string inFolder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

// Tries the numbered names in `folder`; true when one exists.
bool findNumbered(const std::string& folder, SettingsCandidate& candidate) {
    for (std::string_view name : kNumberedNames) {
        candidate.fileName = inFolder(folder, name);
        if (isRegularFile(candidate.fileName)) return candidate.exists = true;
    }
    return false;
}

}  // namespace

SettingsCandidate findStartSettings(const std::string& startFolder,
                                    const std::vector<std::string>& systemFolders) {
    SettingsCandidate candidate;
    if (!findNumbered(startFolder, candidate)) {
        for (const std::string& folder : systemFolders) {
            if (findNumbered(folder, candidate)) break;
        }
    }
    const std::string own = inFolder(startFolder, kFolderSettingsName);
    if (isRegularFile(own)) candidate = {own, true};
    return candidate;
}

std::optional<std::string> findFolderSettings(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    std::string path = inFolder(folder, kFolderSettingsName);
    if (!isRegularFile(path)) return std::nullopt;
    return path;
}

std::vector<std::string> systemSettingsFolders(const char* xdgConfigHome, const char* home) {
    std::vector<std::string> folders;
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        folders.push_back(inFolder(xdgConfigHome, "vernik"));
    } else if (home && home[0] == '/') {
        folders.push_back(inFolder(home, ".config/vernik"));
    }
    folders.push_back("/etc/vernik");
    return folders;
}

}  // namespace vernik
