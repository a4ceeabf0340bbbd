#include "document/text_transform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/byte_digits.h"
#include "document/cyrillic_conversion.h"
#include "platform/files.h"
#include "platform/rtf_code_pages.h"
#include "platform/utf8.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;

TEST(TextTransform, HtmlTagsGoFromEveryLineAndAcrossLines) {
    const struct {
        Lines in, out;
    } cases[] = {
        {{"<html>", "<p>hej</p>"}, {"", "hej"}},                            // the first line too
        {{"ett <b", "fet> tv\xE5"}, {"ett ", " tv\xE5"}},                   // a tag over two lines
        {{"a <", "mitt", "> b"}, {"a ", "", " b"}},                         // and over three
        {{"1 > 0 <x>"}, {"1 > 0 "}},                                        // a lone ">" is text
        {{"<a <b> c"}, {" c"}},                                             // the first ">" ends it
        {{std::string(600, 'x') + "<i>y"}, {std::string(600, 'x') + "y"}},  // no line is cut
        {{"<open"}, {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(withoutHtmlTags(c.in), c.out) << c.in[0];
}

TEST(TextTransform, LineEndsToRemoveJoinPairsFromTheSecondLine) {
    const struct {
        Lines lines;
        std::vector<int> ends;
    } cases[] = {
        {{"1", "2", "3", "4", "5"}, {1}},  // lines 2 and 3 join; 1, 4 and 5 stay
        {{"1", "2", "3", "4", "5", "6", "7"}, {1, 3}},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, {1, 3, 5}},
        {{"1", "2", "", "4", "5", "6", "7"}, {3}},  // nothing joins an empty line
        {{"1", "2", "3", "4"}, {1}},
        {{"1", "2", "3"}, {}},
        {{"1", "2"}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(lineEndsToRemove(c.lines), c.ends) << c.lines.size();
}

TEST(TextTransform, LineEndsBecomeHardOnWrappedNonEmptyLines) {
    const std::vector<DisplayedLine> lines = {
        {"f\xF6rst", false}, {"andra ", false},    {"tredje", true},   {"", true},
        {"femte ", false},   {"sj\xE4tte", false}, {"sjunde ", false}, {"sist", true},
    };
    // Not the first line, nor the last two; already hard and empty ones need nothing.
    EXPECT_EQ(lineEndsToMakeHard(lines), (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(lineEndsToMakeHard({{"a", false}, {"b", true}}), std::vector<int>{});
}

TEST(ByteDigits, ListingLinesHoldTheBytesPerLine) {
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += static_cast<char>(0xF0 + i % 16);
    const Lines listing = byteListing(forty, 15);
    ASSERT_EQ(listing.size(), 3u);
    EXPECT_EQ(listing[0].size(), 45u);
    EXPECT_EQ(listing[1].size(), 45u);
    EXPECT_EQ(listing[2].size(), 30u);
    EXPECT_EQ(listing[0].substr(0, 9), "F0 F1 F2 ");
    EXPECT_EQ(byteListing(std::string(30, 'A'), 15).back(), "");  // the last line, though empty
    EXPECT_EQ(byteListing("", 15), Lines{""});
    EXPECT_EQ(byteListing(std::string("\0\x0A\xFF", 3), 2), (Lines{"00 0A ", "FF "}));
    EXPECT_EQ(bytesFromDigits(joinLinesCrLf(byteListing(forty, 7))), forty);
}

TEST(ByteDigits, DigitPairsAndRecognitionErrors) {
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"41 42", "AB"},
        {"4O 4o", "@@"},            // the letter O read as 0
        {"kc Kc", "\xEC\xEC"},      // K as E, c as C
        {"414", "A\x14"},           // run-on digits: a byte for every adjacent pair
        {"4\r\n1", ""},             // a line end parts two digits
        {"ab 4a", ""},              // other lower-case letters are no digits
        {"Hej, inga siffror", ""},  // no digit pairs
        {"FF\n00", std::string("\xFF\0", 2)},
    };
    for (const auto& c : cases) EXPECT_EQ(bytesFromDigits(c.text), c.bytes) << c.text;
}

TEST(ByteDigits, BytesPerLineRunFromOneTo83) {
    EXPECT_EQ(parseBytesPerLine(" 15 "), 15);
    EXPECT_EQ(parseBytesPerLine("83"), 83);
    for (const char* bad : {"84", "0", "-3", "", "femton", "1,5"}) {
        EXPECT_EQ(parseBytesPerLine(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(bytesPerLineProblem("84"), "Ogiltigt tal i Antal bytes per rad: 84 (1 till 83)");
}

TEST(CyrillicConversion, ResultNameReplacesTheLastThreeCharacters) {
    EXPECT_EQ(cyrillicResultName("/doc/text.txt"), "/doc/text.con");
    EXPECT_EQ(cyrillicResultName("/doc/ord.\xC3\xA5\xC3\xA4\xC3\xB6"), "/doc/ord.con");
    EXPECT_EQ(cyrillicResultName("/doc/lista.con"), "/doc/lista.con");
    EXPECT_EQ(cyrillicResultName("abc"), std::nullopt);
    EXPECT_EQ(cyrillicResultName("abcd"), "acon");
}

// The result read through code page 1251, the layout of the program's
// Cyrillic font, as UTF-8 again.
std::string shownInCyrillicFont(const std::string& bytes) {
    std::string utf8;
    for (const char c : bytes)
        appendUtf8(utf8, codePointOfByte(1251, static_cast<unsigned char>(c)));
    return utf8;
}

TEST(CyrillicConversion, CyrillicTextReadsTheSameInTheCyrillicFont) {
    const std::string words =
        "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD0\xBC\xD0\xB8\xD1\x80! "  // Привет
                                                                                       // мир!
        "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0 \xD1\x91\xD0\xB6 "  // Ёлка ёж
        "\xD0\x86\xD1\x97 \xD0\x90\xD0\xAF\xD0\xB0\xD1\x8F";  // Ії АЯая
    const CyrillicConversion converted = cyrillicFromUtf8(words);
    EXPECT_EQ(shownInCyrillicFont(converted.bytes), words);
    EXPECT_EQ(converted.truncated, 0);
}

TEST(CyrillicConversion, SwedishLettersCommasLineStartsAndCutCharacters) {
    const struct {
        std::string in;
        std::string out;
        int truncated;
    } cases[] = {
        {"s\xC3\xA4l \xC3\xA5r \xC3\xB6", "s\xE4l \xE5r \xF6", 0},
        {"a,b", "a/b", 0},
        {"ord\r\n\xD0\x94\xD0\xB0", "ord\r\n  /\xC4\xE0", 0},  // after a word's line end
        {"ord \r\nx", "ord \r\nx", 0},                         // not after a blank
        {"\xD0", "", 1},                                       // cut at the end
        {"\xD0"
         "a\xD1",
         "a", 2},  // the byte after a cut starts afresh
        {"\xD0\xD0\xB0", "\xE0", 1},
        {"\xC3\x84", "", 0},  // other characters are dropped
    };
    for (const auto& c : cases) {
        const CyrillicConversion converted = cyrillicFromUtf8(c.in);
        EXPECT_EQ(converted.bytes, c.out) << c.in;
        EXPECT_EQ(converted.truncated, c.truncated) << c.in;
    }
}

}  // namespace
}  // namespace vernik
