#include "extras/start_language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_folder.h"

namespace vernik {
namespace {

// A language description whose line 17 is `line17`, or shorter when empty.
std::vector<std::string> description(const std::string& line17, int lines = 20) {
    std::vector<std::string> out;
    for (int number = 1; number <= lines; ++number) {
        out.push_back(number == 17 ? line17 : "rad " + std::to_string(number));
    }
    return out;
}

TEST(StartLanguage, WithoutLanguageFoldersNothingIsFound) {
    TestFolder root;
    const StartLanguage language = findStartLanguage(root.str());
    EXPECT_FALSE(language.descriptionFound);
    EXPECT_EQ(language.number, 0);
}

TEST(StartLanguage, Line17NamesTheLanguage) {
    TestFolder root;
    root.writeLines("Lang/Lang1/Start.txt", description("2"));
    const StartLanguage language = findStartLanguage(root.str());
    EXPECT_TRUE(language.descriptionFound);
    EXPECT_EQ(language.descriptionFile, root.str() + "/Lang/Lang1/Start.txt");
    EXPECT_EQ(language.number, 2);

    root.writeLines("Lang/Lang1/Start.txt", description(" 3 "));
    EXPECT_EQ(findStartLanguage(root.str()).number, 3);
}

TEST(StartLanguage, ShortFileOrNonNumberKeepsBuiltInTexts) {
    TestFolder root;
    root.writeLines("Lang/Lang1/Start.txt", description("2", 16));
    EXPECT_TRUE(findStartLanguage(root.str()).descriptionFound);
    EXPECT_EQ(findStartLanguage(root.str()).number, 0);

    for (const char* line : {"", "tv\xE5", "2a", "0"}) {
        root.writeLines("Lang/Lang1/Start.txt", description(line));
        EXPECT_EQ(findStartLanguage(root.str()).number, 0) << line;
    }
}

}  // namespace
}  // namespace vernik
