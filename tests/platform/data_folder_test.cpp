#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "test_folder.h"

namespace vernik {
namespace {

TEST(DataFolder, FoundBesideTheExecutableInTheBuildTreeOrUnderTheInstallPrefix) {
    const struct {
        const char* layout;
        std::vector<std::string> files;  // "M" stands for the marker file's name
        std::string executable;
        std::string expected;  // empty: no data folder
    } cases[] = {
        {"installed", {"usr/share/vernik/M"}, "usr/bin/vernik", "usr/share/vernik"},
        {"build tree", {"build/data/M"}, "build/tools/vernik-lex", "build/data"},
        {"one folder", {"prog/data/M"}, "prog/vernik", "prog/data"},
        {"beside wins over share",
         {"p/bin/data/M", "p/share/vernik/M"},
         "p/bin/vernik",
         "p/bin/data"},
        {"build tree wins over share", {"b/data/M", "b/share/vernik/M"}, "b/src/vernik", "b/data"},
        {"no marker beside",
         {"u/bin/data/readme.txt", "u/share/vernik/M"},
         "u/bin/vernik",
         "u/share/vernik"},
        {"no data folder", {}, "usr/bin/vernik", ""},
        {"another program's share", {"usr/share/other/M"}, "usr/bin/vernik", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        TestFolder root;
        for (std::string file : c.files) {
            if (file.ends_with("/M")) file.replace(file.size() - 1, 1, kDataFolderMarker);
            root.write(file, "x");
        }
        root.write(c.executable, "");
        std::optional<std::filesystem::path> expected;
        if (!c.expected.empty()) expected = std::filesystem::canonical(root / c.expected);
        EXPECT_EQ(findDataFolder(root / c.executable), expected);
    }
}

TEST(DataFolder, TheRunningExecutableKnowsItsPath) {
    const auto self = currentExecutable();
    EXPECT_TRUE(std::filesystem::is_regular_file(self));
    EXPECT_EQ(self.filename(), "engine_tests");
}

}  // namespace
}  // namespace vernik
