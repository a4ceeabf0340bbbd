#include "extras/start_language.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

TEST(StartLanguage, Line17NamesTheLanguage) {
    TestFolder root;
    EXPECT_FALSE(findStartLanguage(root.str()).descriptionFound);
    EXPECT_EQ(findStartLanguage(root.str()).number, 0);

    root.writeLines("Lang/Lang1/Start.txt", description("2"));
    const StartLanguage language = findStartLanguage(root.str());
    EXPECT_TRUE(language.descriptionFound);
    EXPECT_EQ(language.descriptionFile, root.str() + "/Lang/Lang1/Start.txt");
    EXPECT_EQ(language.number, 2);

    // A short file or a line 17 that is no number from 1 keeps the built-in texts.
    for (const auto& [line, lines, number] : {std::tuple{" 3 ", 20, 3},
                                              {"2", 16, 0},
                                              {"", 20, 0},
                                              {"tv\xE5", 20, 0},
                                              {"2a", 20, 0},
                                              {"0", 20, 0}}) {
        root.writeLines("Lang/Lang1/Start.txt", description(line, lines));
        EXPECT_TRUE(findStartLanguage(root.str()).descriptionFound);
        EXPECT_EQ(findStartLanguage(root.str()).number, number) << line << " of " << lines;
    }
}

}  // namespace
}  // namespace vernik
