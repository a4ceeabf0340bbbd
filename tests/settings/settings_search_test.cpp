#include "settings/settings_search.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vernik {
namespace {

// Each file put in place becomes the one found: the start folder's numbered
// names in order, then the system folders in turn, and the start folder's
// Vernik.ini over all. A folder named like a settings file is passed over.
TEST(SettingsSearch, StartFolderFirstThenTheSystemFoldersEachInNumberOrder) {
    TestFolder folder;
    const std::string start = folder.str() + "/start";
    const std::vector<std::string> system = {folder.str() + "/config/vernik",
                                             folder.str() + "/etc/vernik"};
    std::filesystem::create_directories(start);
    std::filesystem::create_directories(folder / "config/vernik/Vernik1.ini");
    SettingsCandidate found = findStartSettings(start, system);
    EXPECT_FALSE(found.exists);
    EXPECT_EQ(found.fileName, folder.str() + "/etc/vernik/Vernik12.ini");

    for (const char* name :
         {"etc/vernik/Vernik1.ini", "config/vernik/Vernik11.ini", "start/Vernik12.ini",
          "start/Vernik11.ini", "start/Vernik10.ini", "start/Vernik1.ini", "start/Vernik.ini"}) {
        folder.write(name, "x\r\n");
        found = findStartSettings(start, system);
        EXPECT_TRUE(found.exists) << name;
        EXPECT_EQ(found.fileName, folder.str() + "/" + name);
    }
}

TEST(SettingsSearch, DocumentFolderSettings) {
    TestFolder folder;
    EXPECT_FALSE(findFolderSettings(folder.str()).has_value());
    EXPECT_FALSE(findFolderSettings("").has_value());
    folder.write("docs/Vernik.ini", "x\r\n");
    EXPECT_EQ(findFolderSettings(folder.str() + "/docs"), folder.str() + "/docs/Vernik.ini");
}

TEST(SystemSettingsFolders, ConfigFolderFromTheEnvironment) {
    using Folders = std::vector<std::string>;
    EXPECT_EQ(systemSettingsFolders("/x/conf", "/home/u"),
              (Folders{"/x/conf/vernik", "/etc/vernik"}));
    const Folders home = {"/home/u/.config/vernik", "/etc/vernik"};
    EXPECT_EQ(systemSettingsFolders(nullptr, "/home/u"), home);
    EXPECT_EQ(systemSettingsFolders("rel", "/home/u"), home);  // relative: ignored
    EXPECT_EQ(systemSettingsFolders("", nullptr), Folders{"/etc/vernik"});
}

}  // namespace
}  // namespace vernik
