#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "test_folder.h"

namespace vernik {
namespace {

TEST(DataFolder, FoundBesideTheExecutableInTheBuildTreeOrUnderTheInstallPrefix) {
    struct Case {
        const char* layout;
        std::vector<std::string> markedFolders;  // folders holding the marker file
        std::string executable;
        std::string expected;  // empty: no data folder
    };
    const std::vector<Case> cases = {
        {"installed", {"usr/share/vernik"}, "usr/bin/vernik", "usr/share/vernik"},
        {"build tree", {"build/data"}, "build/tools/vernik-lex", "build/data"},
        {"one folder", {"prog/data"}, "prog/vernik", "prog/data"},
        {"beside wins over share", {"p/bin/data", "p/share/vernik"}, "p/bin/vernik", "p/bin/data"},
        {"build tree wins over share", {"b/data", "b/share/vernik"}, "b/src/vernik", "b/data"},
        {"no data folder", {}, "usr/bin/vernik", ""},
        {"another program's share", {"usr/share/other"}, "usr/bin/vernik", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        TestFolder root;
        for (const auto& folder : c.markedFolders)
            root.write(folder + "/" + kDataFolderMarker, "x");
        root.write(c.executable, "");
        std::optional<std::filesystem::path> expected;
        if (!c.expected.empty()) expected = std::filesystem::canonical(root / c.expected);
        EXPECT_EQ(findDataFolder(root / c.executable), expected);
    }
}

TEST(DataFolder, AFolderWithoutTheMarkerIsPassedOver) {
    TestFolder root;
    root.write("usr/bin/data/readme.txt", "not ours");
    root.write(std::string("usr/share/vernik/") + kDataFolderMarker, "x");
    EXPECT_EQ(findDataFolder(root / "usr/bin/vernik"),
              std::filesystem::canonical(root / "usr/share/vernik"));
}

TEST(DataFolder, TheRunningExecutableKnowsItsPath) {
    const auto self = currentExecutable();
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(self));
    EXPECT_EQ(self.filename(), "engine_tests");
}

}  // namespace
}  // namespace vernik
