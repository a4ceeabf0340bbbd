#include "extras/hex_view.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "test_folder.h"

namespace vernik {
namespace {

std::string bytesCounting(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>(i * 7 + 3);
    return bytes;
}

TEST(HexView, LinesOfSixteenBytesInBothPanes) {
    TestFolder dir;
    const auto file = dir.write("twenty", bytesCounting(20));
    const HexViewPanes panes = loadHexView(file, HexRange{});
    ASSERT_TRUE(panes.ok());
    ASSERT_EQ(panes.hexLines.size(), 2u);
    EXPECT_EQ(panes.hexLines[0].size(), 55u);
    EXPECT_EQ(panes.hexLines[0].substr(0, 16), "000000  03 0A 11");
    EXPECT_EQ(panes.hexLines[1], "000001  73 7A 81 88");
    EXPECT_EQ(panes.characterLines[1], "000001 sz\x81\x88");

    const auto hej = dir.write("hej", "Hej\r\n");
    const HexViewPanes small = loadHexView(hej, HexRange{});
    EXPECT_EQ(small.hexLines, std::vector<std::string>{"000000  48 65 6A 0D 0A"});
    EXPECT_EQ(small.characterLines, std::vector<std::string>{"000000 Hej  "});

    // Lines 2 and 3 of a 100-byte file; a range past the end shows nothing.
    const auto hundred = dir.write("hundred", bytesCounting(100));
    const HexViewPanes middle = loadHexView(hundred, HexRange{2, 4});
    ASSERT_EQ(middle.hexLines.size(), 2u);
    EXPECT_EQ(middle.hexLines[0].substr(0, 10), "000002  E3");
    EXPECT_EQ(middle.hexLines[1].substr(0, 7), "000003 ");
    EXPECT_TRUE(loadHexView(hundred, HexRange{7, 9}).hexLines.empty());
    EXPECT_FALSE(loadHexView(dir / "missing", HexRange{}).ok());
}

// A sparse file of 3 GiB: only the shown lines are read, with numbers past six digits.
TEST(HexView, OnlyTheShownRangeOfALargeFileIsRead) {
    TestFolder dir;
    const auto file = dir.write("large", "");
    constexpr std::uint64_t kSize = 3ull << 30;
    std::filesystem::resize_file(file, kSize);
    {
        std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp(static_cast<std::streamoff>(kSize - 1));
        out.put('X');
    }
    const std::uint64_t last = kSize / kHexLineBytes - 1;
    const HexViewPanes panes = loadHexView(file, HexRange{last - 1, last + 100});
    ASSERT_TRUE(panes.ok());
    ASSERT_EQ(panes.hexLines.size(), 2u);
    std::string expected = std::to_string(last) + " ";
    for (int i = 0; i < 15; ++i) expected += " 00";
    EXPECT_EQ(panes.hexLines[1], expected + " 58");
}

TEST(HexView, LineNumbersWidenPastSixDigits) {
    for (const auto& [line, prefix] : {std::tuple{0ull, "000000 "},
                                       {999999ull, "999999 "},
                                       {1000000ull, "1000000 "},
                                       {123456789012ull, "123456789012 "}}) {
        EXPECT_EQ(hexLinePrefix(line), prefix);
    }
    // Pairs are read after the wider prefix of their own line.
    const std::vector<std::string> lines = {"999999  41 42", "1000000  43 44"};
    EXPECT_EQ(bytesOfHexLines(999999, lines).bytes, "ABCD");
}

TEST(HexView, RangeFieldsInLinesOfSixteenBytes) {
    struct Case {
        const char* from;
        const char* to;
        HexRange range;
        bool shortened;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"0", "20", {0, 20}, false},
             {" 2 ", "4", {2, 4}, false},
             {"-5", "3", {0, 3}, false},
             {"8", "2", {8, 8}, false},
             {"10", "99999999999", {10, 10 + kMaxHexViewLines}, true},
         }) {
        const HexRangeFields fields = hexRangeFromFields(c.from, c.to);
        ASSERT_TRUE(fields.ok()) << c.from;
        EXPECT_EQ(fields.range.firstLine, c.range.firstLine) << c.from;
        EXPECT_EQ(fields.range.endLine, c.range.endLine) << c.from;
        EXPECT_EQ(fields.shortened, c.shortened) << c.from;
    }
    for (const auto& [from, to] : {std::pair{"x", "20"}, {"0", "2,5"}, {"", "1"}}) {
        EXPECT_FALSE(hexRangeFromFields(from, to).ok()) << from << " " << to;
    }
}

TEST(HexView, PairsAreReadByPosition) {
    struct Case {
        std::vector<std::string> lines;
        std::string bytes;
        std::size_t skipped;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{"000000  48 65 6a"}, "Hej", 0},
             {{"000000  4G 65", "000001  6A"}, "ej", 1},  // a pair that is no number
             {{"000000", "0000", ""}, "", 0},             // lines shorter than their prefix
             {{"000000  4"}, "", 0},                      // half a pair
             {{"xxxxxx  41:42"}, "AB", 0},                // numbers and blanks as they stand
         }) {
        const HexLineBytes got = bytesOfHexLines(0, c.lines);
        EXPECT_EQ(got.bytes, c.bytes) << c.lines[0];
        EXPECT_EQ(got.skippedPairs, c.skipped) << c.lines[0];
    }
}

TEST(HexView, SavingCopiesTheSourceWithTheRangeFromThePane) {
    TestFolder dir;
    const std::string original = bytesCounting(100);
    const auto source = dir.write("hundred", original);
    const HexRange range{2, 4};
    HexViewPanes panes = loadHexView(source, range);

    // Unchanged: an identical copy.
    ASSERT_TRUE(saveHexView(source, dir / "copy", range, panes.hexLines).ok());
    EXPECT_EQ(TestFolder::read(dir / "copy"), original);

    // One pair edited: exactly that byte differs.
    panes.hexLines[1].replace(8 + 3 * 5, 2, "ff");
    ASSERT_TRUE(saveHexView(source, dir / "edited", range, panes.hexLines).ok());
    std::string expected = original;
    expected[16 * 3 + 5] = '\xFF';
    EXPECT_EQ(TestFolder::read(dir / "edited"), expected);

    // A pair that is no number is left out and counted.
    panes.hexLines[1].replace(8, 2, "Q1");
    const HexSaveResult skipped = saveHexView(source, dir / "skipped", range, panes.hexLines);
    EXPECT_EQ(skipped.skippedPairs, 1u);
    EXPECT_EQ(TestFolder::read(dir / "skipped"), expected.substr(0, 48) + expected.substr(49));

    // Lines deleted from the pane take their bytes out of the copy.
    ASSERT_TRUE(saveHexView(source, dir / "shorter", range, {}).ok());
    EXPECT_EQ(TestFolder::read(dir / "shorter"), original.substr(0, 32) + original.substr(64));
}

TEST(HexView, SavingOverTheViewedFileKeepsItsContent) {
    TestFolder dir;
    const std::string original = bytesCounting(100);
    const auto file = dir.write("viewed", original);
    HexViewPanes panes = loadHexView(file, HexRange{0, 2});
    panes.hexLines[0].replace(8, 2, "00");
    ASSERT_TRUE(saveHexView(file, file, HexRange{0, 2}, panes.hexLines).ok());
    EXPECT_EQ(TestFolder::read(file), std::string(1, '\0') + original.substr(1));
}

TEST(HexView, FailuresLeaveTheTargetAsItWas) {
    TestFolder dir;
    const auto target = dir.write("target", "keep");
    // The viewed file vanished.
    const HexSaveResult gone = saveHexView(dir / "vanished", target, HexRange{}, {"000000  41"});
    EXPECT_FALSE(gone.ok());
    EXPECT_NE(gone.error.find("vanished"), std::string::npos);
    EXPECT_EQ(TestFolder::read(target), "keep");

    // A target that cannot be written: the source stays as it was.
    const auto source = dir.write("source", "abc");
    EXPECT_FALSE(saveHexView(source, dir / "missing" / "copy", HexRange{}, {"000000  41"}).ok());
    EXPECT_EQ(TestFolder::read(source), "abc");
}

}  // namespace
}  // namespace vernik
