#include "extras/language_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_folder.h"

namespace vernik {
namespace {

// A language description with `name` on line 13, `picture` on line 16 and
// `line17` on line 17, or `lines` lines in all.
std::vector<std::string> description(const std::string& name, const std::string& picture,
                                     const std::string& line17, int lines = 20) {
    std::vector<std::string> out;
    for (int number = 1; number <= lines; ++number) {
        out.push_back(number == 13   ? name
                      : number == 16 ? picture
                      : number == 17 ? line17
                                     : "rad " + std::to_string(number));
    }
    return out;
}

TEST(LanguageFolders, RootIsTheStartFoldersLangElseTheDataFolders) {
    TestFolder start;
    TestFolder data;
    EXPECT_EQ(languageRoot(start.path(), data.path()), data.path() / "Lang");
    EXPECT_EQ(languageRoot(start.path(), std::nullopt), start.path() / "Lang");
    std::filesystem::create_directories(start / "Lang");
    EXPECT_EQ(languageRoot(start.path(), data.path()), start.path() / "Lang");
    EXPECT_EQ(languageFolder(start / "Lang", 3), start.path() / "Lang" / "Lang3");
}

TEST(LanguageFolders, Description) {
    TestFolder root;
    const auto folder = languageFolder(root.path(), 2);
    EXPECT_FALSE(readLanguageDescription(folder));

    struct Case {
        const char* what;
        std::string name;
        std::string picture;
        int lines;
        std::string expectedName;
        bool pictureFound;
    };
    root.write("Lang2/flagga.png", "not really a picture");
    const std::vector<Case> cases = {
        {"name and picture", "Engelska", "flagga.png", 20, "Engelska", true},
        {"Windows-1252 name",
         "Fran\xE7"
         "ais",
         " flagga.png ", 20,
         "Fran\xC3\xA7"
         "ais",
         true},
        {"missing picture", "English", "saknas.png", 20, "English", false},
        {"picture outside the folder", "English", "../Lang2/flagga.png", 20, "English", false},
        {"no picture line", "English", "", 20, "English", false},
        {"short file", "English", "flagga.png", 12, "", false},
    };
    for (const Case& c : cases) {
        root.writeLines("Lang2/Start.txt", description(c.name, c.picture, "0", c.lines));
        const auto found = readLanguageDescription(folder);
        ASSERT_TRUE(found) << c.what;
        EXPECT_EQ(found->name, c.expectedName) << c.what;
        EXPECT_EQ(found->picture.has_value(), c.pictureFound) << c.what;
        if (c.pictureFound) {
            EXPECT_EQ(*found->picture, folder / "flagga.png") << c.what;
        }
    }
}

TEST(LanguageFolders, StartLanguageFromLine17) {
    TestFolder root;
    EXPECT_FALSE(findStartLanguage(root.path()).descriptionFound);
    EXPECT_EQ(findStartLanguage(root.path()).number, 0);

    struct Case {
        std::string line;
        int lines;
        int number;
        bool unreadable;
    };
    const std::vector<Case> cases = {
        {"2", 20, 2, false},     {" 3 ", 17, 3, false}, {"0", 20, 0, false},
        {"-1", 20, 0, false},    {"2", 16, 0, false},   {"", 20, 0, false},
        {"tv\xE5", 20, 0, true}, {"2a", 20, 0, true},   {"99999999999", 20, 0, true},
    };
    for (const Case& c : cases) {
        root.writeLines("Lang1/Start.txt", description("Svenska", "", c.line, c.lines));
        const StartLanguage language = findStartLanguage(root.path());
        EXPECT_TRUE(language.descriptionFound) << c.line;
        EXPECT_EQ(language.descriptionFile, root.path() / "Lang1" / "Start.txt");
        EXPECT_EQ(language.number, c.number) << c.line << " of " << c.lines;
        EXPECT_EQ(language.lineUnreadable, c.unreadable) << c.line;
    }
    EXPECT_EQ(findStartLanguage(std::filesystem::path(VERNIK_SOURCE_DIR) / "data/Lang").number, 0);
}

}  // namespace
}  // namespace vernik
