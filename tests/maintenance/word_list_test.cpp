#include "maintenance/word_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* line;
    std::string head;
    std::vector<std::string> alternatives;
};

const ReadCase kReadCases[] = {
    {".prov      /test/sample", "prov", {"test", "sample"}},
    {"prov /test/sample", "prov", {"test", "sample"}},
    {"prov/test", "prov", {"v", "test"}},  // the character before "/" is an alternative too
    {"prov", "prov", {}},
    {".bad boy  / naughty boy //x.", "bad boy", {"naughty boy", "x"}},
    {"\xA4nytt /\xA4ord", "nytt", {"ord"}},
    {"", "", {}},
};

TEST(WordListTest, ReadsHeadAndAlternatives) {
    for (const ReadCase& c : kReadCases) {
        const vernik::WordListEntry entry = vernik::readWordListLine(c.line);
        EXPECT_EQ(entry.head, c.head) << c.line;
        EXPECT_EQ(entry.alternatives, c.alternatives) << c.line;
    }
    // New list words reads no alternative from the character before "/".
    EXPECT_EQ(vernik::listedAlternatives("prov/test/ sample /"),
              (std::vector<std::string>{"test", "sample"}));
}

TEST(WordListTest, WritesSixBlanksAndAsManyAlternativesAsFit) {
    EXPECT_EQ(vernik::wordListLine(".prov", {"test", "sample"}), ".prov      /test/sample");
    EXPECT_EQ(vernik::wordListLine(".prov", {}), ".prov      ");
    EXPECT_EQ(vernik::wordListLine("prov", {"a"}, vernik::kNewListWordBlanks), "prov         /a");
    const std::string long1(200, 'a'), long2(60, 'b');
    // The second would pass 250 characters and is left out; the third still fits.
    EXPECT_EQ(vernik::alternativesPart({long1, long2, "c"}), "/" + long1 + "/c");

    const vernik::WordListEntry back =
        vernik::readWordListLine(vernik::wordListLine(".prov", {"x y"}));
    EXPECT_EQ(back.head, "prov");
    EXPECT_EQ(back.alternatives, std::vector<std::string>{"x y"});
}

TEST(WordListTest, ListFilesInUtf8AreReadAsWindows1252) {
    EXPECT_EQ(vernik::listFileLines("s\xC3\xA5g /saw\r\n\xE2\x82\xAC \xE4\xB8\xAD\n"),
              (std::vector<std::string>{"s\xE5g /saw", "\x80 ?"}));
    // Not UTF-8: the bytes are Windows-1252 already.
    EXPECT_EQ(vernik::listFileLines("s\xE5g /saw\r\n"), std::vector<std::string>{"s\xE5g /saw"});
}

}  // namespace
