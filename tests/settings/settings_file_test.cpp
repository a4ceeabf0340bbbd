#include "settings/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "test_folder.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;

std::string crlf(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// A complete settings file: every entry with its Mod line and value, the
// excluded words and two free-text lines after the layout.
Lines fullFile() {
    Lines lines = {"Vernik startv\xE4rden", "fri text 2", "fri text 3", "fri text 4", "fri text 5"};
    const Lines entries = {
        "4 Lexikon1Mapp",
        "sven\\Aalt.lex",  // 6, 7
        "4 Lexikon2Mapp",
        "ensv\\Aalt.lex",  // 8, 9
        "0 StartUtfil",
        "C:\\brev.trs",  // 10, 11
        "1 StartURL",
        "http://a.se/",  // 12, 13
        "5 H\xE4mta Utfil",
        "",  // 14, 15
        "1 Spara Utfil",
        "/home/u/text",  // 16, 17
        "1 F\xF6rs\xE4ttssida",
        "0",  // 18, 19
        "1 \xC4ndras",
        "Arial",  // 20, 21
        "3 FastFast",
        "12",  // 22, 23
        "2 Fast",
        "255",  // 24, 25
        "1",
        "fsBold",  // 26, 27
        "1 SkalaHor",
        "6,5",  // 28, 29
        "1 SkalaVert",
        "7,25",  // 30, 31
        "1",
        "600",  // 32, 33
        "1",
        "25",  // 34, 35
        "1",
        "45",  // 36, 37
        "1",
        "1,5",  // 38, 39
        "1",
        "28",  // 40, 41
        "1",
        "0",  // 42, 43
        "1 Bytes per rad",
        "16",  // 44, 45
    };
    lines.insert(lines.end(), entries.begin(), entries.end());
    lines.push_back("Undantagna ord:");  // 46
    for (const char* word : {"the", "a", "an", "der", "die", "das", "le", "la", "les", "en"}) {
        lines.push_back(word);  // 47-56
    }
    lines.push_back("1 Sk\xE4rmtexth\xF6jd");  // 57
    lines.push_back("500");                    // 58
    lines.push_back("slut p\xE5 layouten");    // 59
    lines.push_back("sista raden");            // 60
    return lines;
}

// Line `number` (from 1) of `lines`.
std::string& line(Lines& lines, int number) {
    return lines[number - 1];
}

struct ReadFile {
    SettingsBoxes boxes = SettingsBoxes::builtIn();
    ExcludedWordList words{};
    SettingsReadReport report;
};

ReadFile readBytes(const std::string& bytes, SettingsBoxes boxes = SettingsBoxes::builtIn()) {
    ReadFile read;
    read.boxes = std::move(boxes);
    read.report = readSettings(splitTextLines(bytes), read.boxes, read.words);
    return read;
}

std::string rewrite(const std::string& bytes, const SettingsBoxes& boxes,
                    const ExcludedWordList& words) {
    return rewriteSettings(splitTextLines(bytes), boxes, words);
}

TEST(SettingsFile, ReadsEachEntryByItsModCode) {
    const ReadFile read = readBytes(crlf(fullFile()));
    const SettingsBoxes& b = read.boxes;
    // "1 Ändras": only the first character is the code.
    EXPECT_EQ(b[SettingsEntry::FontName].mod, "1");
    EXPECT_EQ(b[SettingsEntry::FontName].value, "Arial");
    EXPECT_EQ(b[SettingsEntry::FontSize].mod, "3");
    EXPECT_EQ(b[SettingsEntry::FontSize].value, "12");
    EXPECT_EQ(b[SettingsEntry::FontColour].mod, "2");
    EXPECT_EQ(b[SettingsEntry::FontColour].value, "255");
    // Default codes leave the built-in value; the start document is emptied.
    EXPECT_EQ(b[SettingsEntry::Lexicon1Folder].mod, "4");
    EXPECT_EQ(b[SettingsEntry::Lexicon1Folder].value, "sven\\Aalt.lex");
    EXPECT_EQ(b[SettingsEntry::StartDocument].mod, "0");
    EXPECT_EQ(b[SettingsEntry::StartDocument].value, "");
    EXPECT_EQ(b[SettingsEntry::OpenFolder].mod, "5");
    EXPECT_EQ(b[SettingsEntry::StartAddress].value, "http://a.se/");
    EXPECT_EQ(b[SettingsEntry::ScaleVert].value, "7,25");
    EXPECT_EQ(b[SettingsEntry::BytesPerLine].value, "16");
    EXPECT_TRUE(read.report.bytesPerLineTaken);
    EXPECT_EQ(b[SettingsEntry::ScreenTextHeight].mod, "1");
    EXPECT_EQ(b[SettingsEntry::ScreenTextHeight].value, "500");
    EXPECT_EQ(read.words[0], "the");
    EXPECT_EQ(read.words[9], "en");
}

TEST(SettingsFile, StartDocumentAndAddressAreEmptiedUnlessRead) {
    Lines file = fullFile();
    line(file, 12) = "4";
    SettingsBoxes boxes = SettingsBoxes::builtIn();
    boxes[SettingsEntry::StartDocument].value = "/tmp/old.txt";
    boxes[SettingsEntry::FontStyle].value = "fsItalic";
    line(file, 26) = "0";
    const ReadFile read = readBytes(crlf(file), boxes);
    EXPECT_EQ(read.boxes[SettingsEntry::StartDocument].value, "");
    EXPECT_EQ(read.boxes[SettingsEntry::StartAddress].value, "");
    // Any other entry keeps its box when its code is not read.
    EXPECT_EQ(read.boxes[SettingsEntry::FontStyle].value, "fsItalic");
}

TEST(SettingsFile, UnchangedBoxesWriteTheFileBackByteForByte) {
    const std::string bytes = crlf(fullFile());
    const ReadFile read = readBytes(bytes);
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), bytes);
}

TEST(SettingsFile, WriterPutsBackOnlyWhatTheModCodesAllow) {
    const std::string bytes = crlf(fullFile());
    ReadFile read = readBytes(bytes);
    SettingsBoxes& b = read.boxes;
    b[SettingsEntry::FontName].value = "Verdana";  // Mod 1: written, label kept
    b[SettingsEntry::FontSize].mod = "1";          // Mod 3 in the file: its line stays
    b[SettingsEntry::FontSize].value = "16";
    b[SettingsEntry::FontColour].value = "0";    // Mod 2: never written
    b[SettingsEntry::Lexicon1Folder].mod = "1";  // 4 -> 1: both lines replaced
    b[SettingsEntry::Lexicon1Folder].value = "/lex/sven";
    b[SettingsEntry::Lexicon2Folder].mod = "2";  // 4 -> 2: code changes, value stays
    b[SettingsEntry::Lexicon2Folder].value = "/lex/ensv";
    read.words[3] = "den";

    Lines expected = fullFile();
    line(expected, 21) = "Verdana";
    line(expected, 23) = "16";
    line(expected, 6) = "1 Lexikon1Mapp";
    line(expected, 7) = "/lex/sven";
    line(expected, 8) = "2 Lexikon2Mapp";
    line(expected, 50) = "den";
    EXPECT_EQ(rewrite(bytes, b, read.words), crlf(expected));
}

TEST(SettingsFile, ModThreeLineNeverChangesWhateverTheBox) {
    const std::string bytes = crlf(fullFile());
    ReadFile read = readBytes(bytes);
    read.boxes[SettingsEntry::FontSize].mod = "2";
    read.boxes[SettingsEntry::FontSize].value = "99";
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), bytes);
}

TEST(SettingsFile, ShortFileReadsDefaultsAndIsWrittenWithTheWholeLayout) {
    const std::string bytes =
        crlf({"kort fil", "rad 2", "rad 3", "rad 4", "rad 5", "1 Lex1", "/lex/sven", "1"});
    ExcludedWordList words{};
    words[0] = "kvar";
    SettingsBoxes boxes = SettingsBoxes::builtIn();
    const SettingsReadReport report = readSettings(splitTextLines(bytes), boxes, words);
    EXPECT_FALSE(report.bytesPerLineTaken);
    EXPECT_EQ(boxes[SettingsEntry::Lexicon1Folder].value, "/lex/sven");
    // Mod line 8 is "1", its value line is past the end and reads as ".".
    EXPECT_EQ(boxes[SettingsEntry::Lexicon2Folder].mod, "1");
    EXPECT_EQ(boxes[SettingsEntry::Lexicon2Folder].value, ".");
    // Past the end a Mod line reads as "." (Default): the built-in value stays.
    EXPECT_EQ(boxes[SettingsEntry::FontName].mod, ".");
    EXPECT_EQ(boxes[SettingsEntry::FontName].value, "MS Sans Serif");
    EXPECT_EQ(boxes[SettingsEntry::ScreenTextHeight].value, "400");
    EXPECT_EQ(words[0], "kvar");

    // Every missing line is filled in so the next read finds the entries
    // where they belong.
    boxes[SettingsEntry::FontName].mod = "1";
    Lines expected = {"kort fil", "rad 2",     "rad 3", "rad 4", "rad 5",
                      "1 Lex1",   "/lex/sven", "1",     "."};
    for (std::size_t i = 2; i < kLeadingEntryCount; ++i) {
        const SettingsBox& box = boxes.entries[i];
        expected.push_back(box.mod.empty() ? "." : box.mod);
        expected.push_back(i == static_cast<std::size_t>(SettingsEntry::FontName) || box.mod == "1"
                               ? box.value
                               : ".");
    }
    expected.push_back(std::string(kExcludedHeading));
    for (const std::string& word : words) expected.push_back(word);
    expected.push_back(".");
    expected.push_back(".");
    const std::string written = rewrite(bytes, boxes, words);
    EXPECT_EQ(written, crlf(expected));
    EXPECT_EQ(splitTextLines(written).count(), kLastLayoutLine);

    ExcludedWordList again{};
    SettingsBoxes reread = SettingsBoxes::builtIn();
    readSettings(splitTextLines(written), reread, again);
    EXPECT_EQ(reread[SettingsEntry::FontName].value, "MS Sans Serif");
    // A "." Mod line is no code to read: the start address is emptied.
    EXPECT_EQ(reread[SettingsEntry::StartAddress].value, "");
    EXPECT_EQ(again, words);
}

TEST(SettingsFile, LinesAfterTheLayoutAreCopiedAsTheyAre) {
    Lines file = fullFile();
    file.push_back(std::string(300, 'x'));
    file.push_back("\x01\x02 bin\xE4r");
    std::string bytes = crlf(file) + "sista utan radslut";
    const ReadFile read = readBytes(bytes);
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), bytes);
}

TEST(SettingsFile, KeepsTheLineEndsOfTheFile) {
    Lines file = fullFile();
    std::string bytes;
    for (const std::string& text : file) bytes += text + "\n";
    ReadFile read = readBytes(bytes);
    EXPECT_EQ(read.boxes[SettingsEntry::FontName].value, "Arial");
    read.boxes[SettingsEntry::FontName].value = "Tahoma";
    line(file, 21) = "Tahoma";
    std::string expected;
    for (const std::string& text : file) expected += text + "\n";
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), expected);

    // A file whose last line has no end keeps it so.
    bytes.pop_back();
    expected.pop_back();
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), expected);
}

TEST(SettingsFile, ABoxTextNeverBreaksTheLayout) {
    const std::string bytes = crlf(fullFile());
    ReadFile read = readBytes(bytes);
    read.boxes[SettingsEntry::FontName].value = "Ari\r\nal";
    read.words[0] = std::string(150, 'w');
    Lines expected = fullFile();
    line(expected, 21) = "Arial";
    line(expected, 47) = std::string(kExcludedWordLength, 'w');
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), crlf(expected));
}

TEST(SettingsFile, BadInputIsReadWithoutHarm) {
    // Empty Mod lines: no code, so the built-in values stay; written back empty.
    Lines file = fullFile();
    line(file, 20) = "";
    line(file, 22) = "";
    std::string bytes = crlf(file);
    ReadFile read = readBytes(bytes);
    EXPECT_EQ(read.boxes[SettingsEntry::FontName].mod, "");
    EXPECT_EQ(read.boxes[SettingsEntry::FontName].value, "MS Sans Serif");
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), bytes);

    // A 1 MB value line is cut to a short text; a 1 MB free-text line is kept whole.
    file = fullFile();
    line(file, 21) = std::string(1 << 20, 'A');
    line(file, 3) = std::string(1 << 20, 'B');
    bytes = crlf(file);
    read = readBytes(bytes);
    EXPECT_EQ(read.boxes[SettingsEntry::FontName].value, std::string(kSettingsValueLength, 'A'));
    const std::string written = rewrite(bytes, read.boxes, read.words);
    EXPECT_EQ(splitTextLines(written).lines[2].text.size(), std::size_t{1} << 20);

    // Every byte value, NUL included, survives a read and a rewrite.
    std::string binary;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\n' && byte != '\r') binary += static_cast<char>(byte);
    }
    file = fullFile();
    line(file, 1) = binary;
    line(file, 26) = std::string(1, '\0') + "x";
    line(file, 27) = binary;
    bytes = crlf(file);
    read = readBytes(bytes);
    EXPECT_EQ(read.boxes[SettingsEntry::FontStyle].mod, std::string(1, '\0'));
    EXPECT_EQ(read.boxes[SettingsEntry::FontStyle].value, "");  // code not read: built-in kept
    EXPECT_EQ(rewrite(bytes, read.boxes, read.words), bytes);

    // A file of one line.
    read = readBytes("1");
    EXPECT_EQ(read.boxes[SettingsEntry::Lexicon1Folder].value, "sven\\Aalt.lex");
    EXPECT_EQ(splitTextLines(rewrite("1", read.boxes, read.words)).count(), kLastLayoutLine);

    // An empty file.
    read = readBytes("");
    EXPECT_EQ(read.boxes[SettingsEntry::FontSize].value, "14");
}

class SettingsFileOnDisk : public ::testing::Test {
  protected:
    SettingsBoxes changedBoxes() {
        SettingsBoxes boxes = SettingsBoxes::builtIn();
        ExcludedWordList words{};
        readSettings(splitTextLines(original), boxes, words);
        boxes[SettingsEntry::FontName].value = "Verdana";
        return boxes;
    }

    TestFolder folder;
    const std::string original = crlf(fullFile());
};

TEST_F(SettingsFileOnDisk, RewritesTheFileInPlace) {
    const auto path = folder.write("Vernik.ini", original);
    const WriteResult result = writeSettingsFile(path, changedBoxes(), {});
    ASSERT_TRUE(result.ok()) << result.error;
    Lines expected = fullFile();
    line(expected, 21) = "Verdana";
    for (int n = 47; n <= 56; ++n) line(expected, n) = "";
    EXPECT_EQ(TestFolder::read(path), crlf(expected));
    // Nothing else is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SettingsFileOnDisk, ReadOnlyFolderLeavesTheOldFile) {
    const auto path = folder.write("ini/Vernik.ini", original);
    ::chmod(path.parent_path().c_str(), 0555);
    const bool canStillWrite = ::access(path.parent_path().c_str(), W_OK) == 0;
    if (canStillWrite) {
        ::chmod(path.parent_path().c_str(), 0755);
        GTEST_SKIP() << "permissions do not bind this user (root)";
    }
    const WriteResult result = writeSettingsFile(path, changedBoxes(), {});
    ::chmod(path.parent_path().c_str(), 0755);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(TestFolder::read(path), original);
}

TEST_F(SettingsFileOnDisk, WriteFailingHalfwayLeavesTheOldFile) {
    const auto path = folder.write("Vernik.ini", original);
    WriteResult result;
    {
        const FileSizeLimit fullDisk(100);
        ASSERT_TRUE(fullDisk.active());
        result = writeSettingsFile(path, changedBoxes(), {});
    }
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(TestFolder::read(path), original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SettingsFileOnDisk, MissingFileIsNotCreated) {
    const auto path = folder / "Vernik.ini";
    EXPECT_FALSE(writeSettingsFile(path, SettingsBoxes::builtIn(), {}).ok());
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace vernik
