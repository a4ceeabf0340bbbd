#include "settings/settings_search.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vernik {
namespace {

class SettingsSearch : public ::testing::Test {
  protected:
    std::string start() const { return folder.str() + "/start"; }
    std::vector<std::string> system() const {
        return {folder.str() + "/config/vernik", folder.str() + "/etc/vernik"};
    }
    std::string put(const std::string& name) { return folder.writeLines(name, {"x"}).string(); }

    TestFolder folder;
};

TEST_F(SettingsSearch, NothingFoundNamesTheLastCandidateTried) {
    std::filesystem::create_directories(start());
    const SettingsCandidate found = findStartSettings(start(), system());
    EXPECT_FALSE(found.exists);
    EXPECT_EQ(found.fileName, folder.str() + "/etc/vernik/Vernik12.ini");
}

TEST_F(SettingsSearch, StartFolderNumberedNamesInOrder) {
    put("start/Vernik12.ini");
    put("config/vernik/Vernik1.ini");
    EXPECT_EQ(findStartSettings(start(), system()).fileName, start() + "/Vernik12.ini");
    put("start/Vernik11.ini");
    EXPECT_EQ(findStartSettings(start(), system()).fileName, start() + "/Vernik11.ini");
    put("start/Vernik10.ini");
    EXPECT_EQ(findStartSettings(start(), system()).fileName, start() + "/Vernik10.ini");
    put("start/Vernik1.ini");
    const SettingsCandidate found = findStartSettings(start(), system());
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.fileName, start() + "/Vernik1.ini");
}

TEST_F(SettingsSearch, SystemFoldersInTurnWhenTheStartFolderHasNone) {
    std::filesystem::create_directories(start());
    put("etc/vernik/Vernik1.ini");
    EXPECT_EQ(findStartSettings(start(), system()).fileName,
              folder.str() + "/etc/vernik/Vernik1.ini");
    put("config/vernik/Vernik11.ini");
    EXPECT_EQ(findStartSettings(start(), system()).fileName,
              folder.str() + "/config/vernik/Vernik11.ini");
    // A folder with the name of a settings file is no settings file.
    std::filesystem::create_directories(folder / "config/vernik/Vernik1.ini");
    EXPECT_EQ(findStartSettings(start(), system()).fileName,
              folder.str() + "/config/vernik/Vernik11.ini");
}

TEST_F(SettingsSearch, VernikIniInTheStartFolderWinsOverAll) {
    put("start/Vernik1.ini");
    put("start/Vernik.ini");
    const SettingsCandidate found = findStartSettings(start(), system());
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.fileName, start() + "/Vernik.ini");
}

TEST_F(SettingsSearch, DocumentFolderSettings) {
    EXPECT_FALSE(findFolderSettings(folder.str()).has_value());
    EXPECT_FALSE(findFolderSettings("").has_value());
    put("docs/Vernik.ini");
    EXPECT_EQ(findFolderSettings(folder.str() + "/docs"), folder.str() + "/docs/Vernik.ini");
}

TEST(SystemSettingsFolders, ConfigFolderFromTheEnvironment) {
    EXPECT_EQ(systemSettingsFolders("/x/conf", "/home/u"),
              (std::vector<std::string>{"/x/conf/vernik", "/etc/vernik"}));
    EXPECT_EQ(systemSettingsFolders(nullptr, "/home/u"),
              (std::vector<std::string>{"/home/u/.config/vernik", "/etc/vernik"}));
    // A relative or empty XDG_CONFIG_HOME is ignored.
    EXPECT_EQ(systemSettingsFolders("rel", "/home/u"),
              (std::vector<std::string>{"/home/u/.config/vernik", "/etc/vernik"}));
    EXPECT_EQ(systemSettingsFolders("", nullptr), (std::vector<std::string>{"/etc/vernik"}));
}

}  // namespace
}  // namespace vernik
