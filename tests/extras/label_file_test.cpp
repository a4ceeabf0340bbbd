#include "extras/label_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_folder.h"

namespace vernik {
namespace {

// A label file of the heading and `body`, lines ended by CR LF.
std::string labelFile(const std::vector<std::string>& body) {
    std::vector<std::string> lines = {"Etiketter", "Svenska"};
    lines.insert(lines.end(), body.begin(), body.end());
    return TestFolder::crlf(lines);
}

// Every caption given, named by its place: "g3l2" for group 3, line 2.
std::vector<std::string> fullBody(bool spareLines) {
    std::vector<std::string> body;
    for (std::size_t group = 1; group <= kLabelGroupSizes.size(); ++group) {
        if (spareLines) body.insert(body.end(), {"Reserv", "Reserverad rad"});
        for (std::size_t line = 1; line <= kLabelGroupSizes[group - 1]; ++line) {
            body.push_back("g" + std::to_string(group) + "l" + std::to_string(line));
        }
    }
    return body;
}

TEST(LabelFile, GroupsAndSpareLines) {
    EXPECT_EQ(kLabelCount, 89u);
    for (const bool spare : {false, true}) {
        const LabelTexts labels = parseLabelFile(labelFile(fullBody(spare)));
        EXPECT_EQ(labels.countGiven(), kLabelCount) << spare;
        for (std::size_t group = 1; group <= kLabelGroupSizes.size(); ++group) {
            for (std::size_t line = 1; line <= kLabelGroupSizes[group - 1]; ++line) {
                EXPECT_EQ(labels.at({group, line}),
                          "g" + std::to_string(group) + "l" + std::to_string(line))
                    << spare;
            }
        }
    }
}

TEST(LabelFile, ShortLinesAndShortFiles) {
    struct Case {
        const char* what;
        std::vector<std::string> body;
        std::vector<std::pair<LabelPlace, std::optional<std::string>>> expected;
        std::size_t given;
    };
    const std::vector<Case> cases = {
        {"empty and one-character lines leave their captions",
         {"File", "", "L", "Options"},
         {{{1, 1}, "File"}, {{1, 2}, std::nullopt}, {{1, 3}, std::nullopt}, {{1, 4}, "Options"}},
         2},
        {"a file that ends early leaves the rest",
         {"File", "Edit"},
         {{{1, 2}, "Edit"}, {{1, 3}, std::nullopt}, {{12, 4}, std::nullopt}},
         2},
        {"spare lines only before a group, not inside it",
         {"Reserv", "Reserv 2", "File", "Reserverad"},
         {{{1, 1}, "File"}, {{1, 2}, "Reserverad"}},
         2},
        {"a file of spare lines gives nothing",
         {"Reserv", "Reserv", "Reserv"},
         {{{1, 1}, std::nullopt}},
         0},
        {"lines 1 and 2 are a heading only", {}, {{{1, 1}, std::nullopt}}, 0},
    };
    for (const Case& c : cases) {
        const LabelTexts labels = parseLabelFile(labelFile(c.body));
        EXPECT_EQ(labels.countGiven(), c.given) << c.what;
        for (const auto& [place, text] : c.expected) {
            EXPECT_EQ(labels.at(place), text) << c.what << " " << place.group << "." << place.line;
        }
    }
    // A spare line between groups 1 and 2 changes nothing.
    std::vector<std::string> body = fullBody(false);
    body.insert(body.begin() + 11, {"Reserv", "Reserv"});
    EXPECT_EQ(parseLabelFile(labelFile(body)).texts,
              parseLabelFile(labelFile(fullBody(false))).texts);
}

TEST(LabelFile, Utf8AgainstWindows1252) {
    struct Case {
        const char* what;
        std::string line;
        std::optional<std::string> caption;  // UTF-8
    };
    const std::vector<Case> cases = {
        {"Windows-1252 bytes", "St\xE4ng", "St\xC3\xA4ng"},
        {"UTF-8 text", "St\xC3\xA4ng", "St\xC3\xA4ng"},
        {"UTF-8 Cyrillic", "\xD0\x90\xD0\xB1", "\xD0\x90\xD0\xB1"},
        {"one UTF-8 character is still too short", "\xC3\xA4", std::nullopt},
        {"one Windows-1252 byte is too short", "\xE4", std::nullopt},
        {"broken UTF-8 reads as Windows-1252", "\xC3\xA4\xE4", "\xC3\x83\xC2\xA4\xC3\xA4"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseLabelFile(labelFile({c.line})).at({1, 1}), c.caption) << c.what;
    }
    // A byte-order mark in front of the heading is not part of it.
    EXPECT_EQ(parseLabelFile("\xEF\xBB\xBFHead\r\nx\r\nArchiv\xC3\xA9\r\n").at({1, 1}),
              "Archiv\xC3\xA9");
}

TEST(LabelFile, BadInputAndRoundTrip) {
    // Binary bytes, a 1 MB line, 100,000 lines: captions of at most 255
    // characters, the rest unchanged, and no crash.
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) % 256);
    EXPECT_LE(parseLabelFile(binary).countGiven(), kLabelCount);

    const LabelTexts longLine = parseLabelFile(labelFile({std::string(1 << 20, 'x'), "Edit"}));
    EXPECT_EQ(longLine.at({1, 1}), std::string(kLabelMaxLength, 'x'));
    EXPECT_EQ(longLine.at({1, 2}), "Edit");

    const LabelTexts manyLines = parseLabelFile(labelFile(std::vector<std::string>(100000, "ab")));
    EXPECT_EQ(manyLines.countGiven(), kLabelCount);

    // The formatter writes back what the reader read.
    std::vector<std::string> body = fullBody(false);
    body[3] = "";
    body[20] = "Caf\xE9";
    body.resize(60);
    const LabelTexts labels = parseLabelFile(labelFile(body));
    EXPECT_EQ(parseLabelFile(formatLabelFile(labels)).texts, labels.texts);

    TestFolder folder;
    EXPECT_FALSE(readLabelFile(folder / "Etikett.txt"));
    EXPECT_EQ(readLabelFile(folder.write("Etikett.txt", labelFile(body)))->texts, labels.texts);
}

TEST(LabelFile, ShippedEnglishGivesEveryCaption) {
    const auto labels =
        readLabelFile(std::filesystem::path(VERNIK_SOURCE_DIR) / "data/Lang/Lang1/Etikett.txt");
    ASSERT_TRUE(labels);
    EXPECT_EQ(labels->countGiven(), kLabelCount);
    EXPECT_EQ(labels->at({1, 1}), "File");
    EXPECT_EQ(labels->at({12, 4}), "Language of labels and manuals");
}

}  // namespace
}  // namespace vernik
