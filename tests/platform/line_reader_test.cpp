#include "platform/line_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/line_reader_check.h"
#include "settings/file_size_limit.h"
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

// Lines end at LF, CR LF or a lone CR; lines over the limit are cut and
// the rest of them skipped.
TEST(LineReader, EndsLinesAtLfCrLfAndALoneCrAndCutsLongLines) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"one\r\ntwo\nthree", {"one", "two", "three"}},
        {"\r\n\nx\r\n", {"", "", "x"}},
        {"", {}},
        {"old\rmac\rlines", {"old", "mac", "lines"}},
        {"a\r\r\nb\n\rc\r", {"a", "", "b", "", "c"}},
        {"\r", {""}},
        {"hund\n", {"hund"}},  // a line end on the buffer's last byte
        {"\n", {""}},
        {".bad\r\n", {".bad"}},
        {std::string(300, 'x') + "\r\n" + std::string(255, 'y') + "\r\nz",
         {std::string(255, 'x'), std::string(255, 'y'), "z"}},
    };
    TestFolder dir;
    for (const auto& [bytes, lines] : cases) {
        EXPECT_EQ(readAll(dir.write("f", bytes)), lines) << bytes;
    }
}

// Text of the few bytes that matter to line reading, with lines of every
// length from empty to well over the line limit.
std::string generatedText(std::mt19937& random, std::size_t size) {
    static constexpr char kBytes[] = {'a', 'b', 'x', '.', '.', ' ', '\r', '\n', '\0', '\xFF'};
    std::string bytes;
    while (bytes.size() < size) {
        const int kind = static_cast<int>(random() % 16);
        if (kind == 0) {
            bytes.append(200 + random() % 200, 'q');  // over the limit
        } else if (kind < 4) {
            bytes += random() % 2 ? "\r\n" : "\r";
        } else {
            bytes += kBytes[random() % sizeof kBytes];
        }
    }
    bytes.resize(size);
    return bytes;
}

// Every way of reading, with calls chosen at random.
void expectAgreement(const std::filesystem::path& file, const std::string& bytes,
                     std::size_t blockSize, std::mt19937& random) {
    for (std::size_t maxLength : {std::size_t{0}, std::size_t{255}, std::size_t{7}}) {
        for (int below : {0, int{'b'}, 256}) {
            const ReadingPlan plan{blockSize, maxLength, below, 1 + random() % 6};
            const auto chooseCall = [&random] { return static_cast<int>(random() % 3); };
            ASSERT_EQ(compareWithReference(file, bytes, plan, chooseCall), "")
                << "size " << bytes.size();
        }
    }
}

TEST(LineReader, AgreesWithThePlainSplitAroundEveryChunkAndBlockBoundary) {
    TestFolder dir;
    std::mt19937 random(12345);
    // Small blocks put block boundaries everywhere: every size from empty
    // over a few 64-byte chunks.
    for (std::size_t size = 0; size <= 200; ++size) {
        const std::string bytes = generatedText(random, size);
        const auto file = dir.write("small", bytes);
        for (std::size_t blockSize : {1, 2, 3, 63, 64, 65, 66, 127, 130, 4096}) {
            expectAgreement(file, bytes, blockSize, random);
        }
    }
    // The real block size, with each kind of byte on either side of the
    // boundary: a CR LF split by it among them.
    const std::size_t block = LineReader::kBlockSize;
    for (const char* around : {"\r\n", "\r\r", "\n\r", "a\r", "\r.", "\n.", "..", "a\n"}) {
        for (std::size_t size : {block - 1, block, block + 1, block + 2, 2 * block + 1}) {
            std::string bytes = generatedText(random, std::max(size, block + 1));
            bytes[block - 1] = around[0];
            bytes[block] = around[1];
            bytes.resize(size);
            expectAgreement(dir.write("large", bytes), bytes, block, random);
        }
    }
}

TEST(LineReader, MissingFileAndFolderAreNotOpen) {
    TestFolder dir;
    EXPECT_FALSE(LineReader(dir / "missing").isOpen());
    EXPECT_FALSE(LineReader(dir.path()).isOpen());
    std::string_view line = "kept";
    LineReader missing(dir / "missing");  // reads nothing and leaves the line alone
    EXPECT_FALSE(missing.next(line));
    EXPECT_FALSE(missing.nextStartingWith('.', line));
    EXPECT_EQ(line, "kept");
}

TEST(Cp1252, EveryByteSurvivesARoundTripAndCharactersWithoutAFormFail) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
    EXPECT_EQ(utf8FromCp1252("\x80\xE5"), "\u20AC\u00E5");
    EXPECT_FALSE(cp1252FromUtf8("ˈafriːka").has_value());
    std::size_t dropped = 0;
    EXPECT_EQ(cp1252FromUtf8Lossy("aˈb\xFFz", &dropped), "abz");
    EXPECT_EQ(dropped, 2u);
}

TEST(Files, FindsFilesWithoutRegardToCase) {
    TestFolder dir;
    const std::string ring = "\xC3\xA5", bigRing = "\xC3\x85";  // å and Å in UTF-8
    dir.write("balt.lex", "x");
    dir.write(ring + "alt.lex", "x");
    EXPECT_EQ(findFileIgnoringCase(dir / "Balt.lex"), dir / "balt.lex");
    EXPECT_EQ(findFileIgnoringCase(dir / (bigRing + "ALT.LEX")), dir / (ring + "alt.lex"));
    EXPECT_FALSE(findFileIgnoringCase(dir / "Calt.lex").has_value());
}

TEST(Files, ReplacingWriteKeepsTheOldFileOnFailure) {
    TestFolder dir;
    const auto file = dir.write("doc.txt", "old");
    namespace fs = std::filesystem;
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read);
    ASSERT_TRUE(writeFileReplacing(file, "new").ok());
    EXPECT_EQ(TestFolder::read(file), "new");
    // The new file keeps the old one's mode.
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_all | fs::perms::group_read);
    WriteResult failed;
    {
        // The new text does not fit: the write fails part way.
        const FileSizeLimit limit(4);
        ASSERT_TRUE(limit.active());
        failed = writeFileReplacing(file, "longer than the limit");
    }
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.error.find("doc.txt"), std::string::npos);
    EXPECT_EQ(TestFolder::read(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace vernik
