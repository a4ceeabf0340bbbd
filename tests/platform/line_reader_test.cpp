#include "platform/line_reader.h"

#include <gtest/gtest.h>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "test_folder.h"

namespace vernik {
namespace {

std::vector<std::string> readAll(const std::filesystem::path& file, std::size_t max = 255) {
    LineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line, max)) lines.push_back(line);
    return lines;
}

TEST(LineReader, AcceptsCrLfAndLfAndALastLineWithoutEnd) {
    TestFolder dir;
    EXPECT_EQ(readAll(dir.write("a", "one\r\ntwo\nthree")),
              (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(readAll(dir.write("b", "\r\n\nx\r\n")), (std::vector<std::string>{"", "", "x"}));
    EXPECT_TRUE(readAll(dir.write("c", "")).empty());
}

TEST(LineReader, CutsLongLinesAndSkipsTheirRest) {
    TestFolder dir;
    const std::string longLine(300, 'x');
    const std::string exact(255, 'y');
    const auto lines = readAll(dir.write("f", longLine + "\r\n" + exact + "\r\nz\r\n"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(255, 'x'));
    EXPECT_EQ(lines[1], exact);  // the CR past the cut is not kept
    EXPECT_EQ(lines[2], "z");
    EXPECT_EQ(readAll(dir.write("g", longLine + "\n"), 0)[0], longLine);
}

TEST(LineReader, KeepsBinaryBytesAndLinesAcrossBlockBoundaries) {
    TestFolder dir;
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; i < 20000; ++i) {
        std::string line = "line" + std::to_string(i) + std::string(1, '\0') + "\xFF\x81";
        expected.push_back(line);
        bytes += line + (i % 2 ? "\n" : "\r\n");
    }
    EXPECT_EQ(readAll(dir.write("big", bytes)), expected);
}

// The lines of `bytes` as the format defines them, the slow and obvious way.
std::vector<std::string> referenceLines(const std::string& bytes, std::size_t max) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool ended = end != std::string::npos;
        if (!ended) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (max != 0 && line.size() > max) line.resize(max);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

TEST(LineReader, AgreesWithAPlainSplitOnRandomFiles) {
    TestFolder dir;
    std::srand(12345);
    for (int round = 0; round < 40; ++round) {
        std::string bytes;
        const int size = round < 20 ? std::rand() % 2000 : 200000 + std::rand() % 400000;
        while (static_cast<int>(bytes.size()) < size) {
            const int kind = std::rand() % 10;
            const std::size_t length = kind == 0 ? 200 + std::rand() % 400 : std::rand() % 30;
            for (std::size_t i = 0; i < length; ++i)
                bytes += static_cast<char>(1 + std::rand() % 255);
            bytes += std::rand() % 2 ? "\r\n" : "\n";
        }
        if (round % 3 == 0)
            bytes.resize(bytes.size() - 1 - std::rand() % 3);  // cut the last line end
        const auto file = dir.write("r" + std::to_string(round), bytes);
        for (std::size_t max : {std::size_t{0}, std::size_t{255}, std::size_t{7}}) {
            ASSERT_EQ(readAll(file, max), referenceLines(bytes, max)) << "round " << round;
        }
    }
}

TEST(LineReader, MissingFileAndFolderAreNotOpen) {
    TestFolder dir;
    EXPECT_FALSE(LineReader(dir / "missing").isOpen());
    EXPECT_FALSE(LineReader(dir.path()).isOpen());
}

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = cp1252FromUtf8(utf8FromCp1252(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(utf8FromCp1252("\x80\xE5"), "\u20AC\u00E5");
}

TEST(Cp1252, CharactersWithoutAFormFailOrAreDropped) {
    EXPECT_FALSE(cp1252FromUtf8("ˈafriːka").has_value());
    std::size_t dropped = 0;
    EXPECT_EQ(cp1252FromUtf8Lossy("aˈb\xFFz", &dropped), "abz");
    EXPECT_EQ(dropped, 2u);
}

TEST(Files, FindsFilesWithoutRegardToCase) {
    TestFolder dir;
    dir.write("balt.lex", "x");
    dir.write(
        "\xC3\xA5"
        "alt.lex",
        "x");  // "åalt.lex" in UTF-8
    EXPECT_EQ(findFileIgnoringCase(dir / "Balt.lex"), dir / "balt.lex");
    EXPECT_EQ(findFileIgnoringCase(dir / "\xC3\x85"
                                         "ALT.LEX"),
              dir /
                  "\xC3\xA5"
                  "alt.lex");
    EXPECT_FALSE(findFileIgnoringCase(dir / "Calt.lex").has_value());
}

TEST(Files, ReplacingWriteKeepsTheOldFileOnFailure) {
    TestFolder dir;
    const auto file = dir.write("doc.txt", "old");
    ASSERT_TRUE(writeFileReplacing(file, "new").ok());
    EXPECT_EQ(TestFolder::read(file), "new");
    const auto missingFolder = dir / "no-such-folder" / "doc.txt";
    const WriteResult failed = writeFileReplacing(missingFolder, "x");
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.error.find("doc.txt"), std::string::npos);
    EXPECT_EQ(TestFolder::read(file), "new");
}

}  // namespace
}  // namespace vernik
