#include "media/media_word.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct WordCase {
    std::string (*form)(std::string_view);
    std::string text;
    std::string expected;
};

TEST(MediaWord, EachCallerFormsItsWord) {
    const WordCase cases[] = {
        {vernik::lookupMediaWord, "hund  ", "hund"},
        {vernik::lookupMediaWord, " ", ""},
        {vernik::lookupMediaWord, "en hund", "en hund"},
        {vernik::listSearchMediaWord, ".test", "test"},
        {vernik::listSearchMediaWord, ". te.st ", "test"},
        {vernik::listSearchMediaWord, "test", ""},
        {vernik::listSearchMediaWord, "", ""},
        {vernik::selectionMediaWord, "\xE5sna, katt", "\xE5sna"},
        {vernik::selectionMediaWord, "it's a-b (x)", "it's a-b"},
        {vernik::selectionMediaWord, "hund  katt\r", "hund  katt"},
        {vernik::selectionMediaWord, "{hund}", ""},
        {vernik::selectionMediaWord, "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.form(c.text), c.expected) << c.text;
}

}  // namespace
