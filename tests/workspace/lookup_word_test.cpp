#include "workspace/lookup_word.h"

#include <gtest/gtest.h>

namespace vernik {
namespace {

TEST(LookupWordAnalysis, CapitalWordEndAndInitial) {
    const struct {
        std::string text;
        bool capital;
        char end;
        char initial;
    } cases[] = {
        {"Bad,", true, ',', 'B'},       {"bad", false, ' ', 'B'},
        {"bad\t", false, ' ', 'B'},  // a control character ends the word as a blank
        {"bad boy!", false, '!', 'B'},  {"\xE5l", false, ' ', '\xC5'},  // å, ä, ö are small letters
        {"\xE4ta", false, ' ', '\xC4'}, {"\xF6l", false, ' ', '\xD6'},
        {"\xC5l", true, ' ', '\xC5'},  // Å, Ä, Ö are capitals
        {"\xC4ta", true, ' ', '\xC4'},  {"\xD6l", true, ' ', '\xD6'},
        {"\xE6", false, ' ', '\xC4'},  // æ and ü count as small too
        {"\xFC", false, ' ', '\xDC'},   {"", false, ' ', '\0'},
    };
    for (const auto& c : cases) {
        const LookupWord word = analyseLookupWord(c.text);
        EXPECT_EQ(word.capital, c.capital) << c.text;
        EXPECT_EQ(word.end, c.end) << c.text;
        EXPECT_EQ(word.initial, c.initial) << c.text;
    }
}

TEST(PagePosition, CountsPagesAndLinesFromOne) {
    const struct {
        int line, perPage, page, lineOnPage;
    } cases[] = {{0, 30, 1, 1}, {29, 30, 1, 30}, {30, 30, 2, 1}, {60, 30, 3, 1},
                 {5, 0, 6, 1},  {5, -3, 6, 1}};  // below 1 counts one line per page
    for (const auto& c : cases) {
        const PagePosition at = pagePosition(c.line, c.perPage);
        EXPECT_EQ(at.page, c.page) << c.line << " at " << c.perPage;
        EXPECT_EQ(at.line, c.lineOnPage) << c.line << " at " << c.perPage;
    }
}

}  // namespace
}  // namespace vernik
