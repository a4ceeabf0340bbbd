#include "settings/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "test_folder.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;
using E = SettingsEntry;

constexpr auto crlf = &TestFolder::crlf;

// A complete settings file of 60 lines, "|" between lines: five free-text
// lines; the Mod line and value of each entry; the excluded words under their
// heading; the Skärmtexthöjd entry; two free-text lines after the layout.
Lines fullFile() {
    const std::string text =
        "Vernik startv\xE4rden|fri text 2|fri text 3|fri text 4|fri text 5|"
        "4 Lexikon1Mapp|sven\\Aalt.lex|4 Lexikon2Mapp|ensv\\Aalt.lex|"          // 6-9
        "0 StartUtfil|C:\\brev.trs|1 StartURL|http://a.se/|"                    // 10-13
        "5 H\xE4mta Utfil||1 Spara Utfil|/home/u/text|1 F\xF6rs\xE4ttssida|0|"  // 14-19
        "1 \xC4ndras|Arial|3 FastFast|12|2 Fast|255|1|fsBold|"                  // 20-27
        "1 SkalaHor|6,5|1 SkalaVert|7,25|1|600|1|25|1|45|1|1,5|1|28|1|0|"       // 28-43
        "1 Bytes per rad|16|Undantagna ord:|"                                   // 44-46
        "the|a|an|der|die|das|le|la|les|en|"                                    // 47-56
        "1 Sk\xE4rmtexth\xF6jd|500|slut p\xE5 layouten|sista raden";            // 57-60
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, '|');) lines.push_back(line);
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

std::string rewrite(const std::string& bytes, const ReadFile& read) {
    return rewriteSettings(splitTextLines(bytes), read.boxes, read.words);
}

TEST(SettingsFile, ReadsEachEntryByItsModCode) {
    const ReadFile read = readBytes(crlf(fullFile()));
    const struct {
        E entry;
        const char* mod;
        const char* value;
    } expected[] = {
        {E::FontName, "1", "Arial"},  // "1 Ändras": only the first character is the code
        {E::FontSize, "3", "12"},
        {E::FontColour, "2", "255"},
        {E::Lexicon1Folder, "4", "sven\\Aalt.lex"},  // not read: the built-in value stays
        {E::StartDocument, "0", ""},                 // not read: emptied
        {E::StartAddress, "1", "http://a.se/"},
        {E::ScaleVert, "1", "7,25"},
        {E::BytesPerLine, "1", "16"},
        {E::ScreenTextHeight, "1", "500"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(read.boxes[e.entry].mod, e.mod) << e.value;
        EXPECT_EQ(read.boxes[e.entry].value, e.value);
    }
    EXPECT_EQ(read.boxes[E::OpenFolder].mod, "5");
    EXPECT_TRUE(read.report.bytesPerLineTaken);
    EXPECT_EQ(read.words[0], "the");
    EXPECT_EQ(read.words[9], "en");

    // Only the start document and the start address are emptied when their
    // code is not read; any other entry keeps its box.
    Lines file = fullFile();
    line(file, 12) = "4";
    line(file, 26) = "0";
    SettingsBoxes boxes = SettingsBoxes::builtIn();
    boxes[E::StartDocument].value = "/tmp/old.txt";
    boxes[E::FontStyle].value = "fsItalic";
    const ReadFile again = readBytes(crlf(file), boxes);
    EXPECT_EQ(again.boxes[E::StartDocument].value, "");
    EXPECT_EQ(again.boxes[E::StartAddress].value, "");
    EXPECT_EQ(again.boxes[E::FontStyle].value, "fsItalic");
}

TEST(SettingsFile, WriterPutsBackOnlyWhatTheModCodesAllow) {
    const std::string bytes = crlf(fullFile());
    ReadFile read = readBytes(bytes);
    SettingsBoxes& b = read.boxes;
    b[E::FontName].value = "Ver\r\ndana";       // Mod 1: written as one line, label kept
    b[E::FontSize] = {"1", "16"};               // Mod 3 in the file: its line stays
    b[E::FontColour].value = "0";               // Mod 2: never written
    b[E::Lexicon1Folder] = {"1", "/lex/sven"};  // 4 -> 1: both lines replaced
    b[E::Lexicon2Folder] = {"2", "/lex/ensv"};  // 4 -> 2: code changes, value stays
    read.words[3] = "den";
    read.words[0] = std::string(150, 'w');  // cut to the word length

    Lines expected = fullFile();
    line(expected, 6) = "1 Lexikon1Mapp";
    line(expected, 7) = "/lex/sven";
    line(expected, 8) = "2 Lexikon2Mapp";
    line(expected, 21) = "Verdana";
    line(expected, 23) = "16";
    line(expected, 47) = std::string(kExcludedWordLength, 'w');
    line(expected, 50) = "den";
    EXPECT_EQ(rewrite(bytes, read), crlf(expected));

    // With another code the Mod 3 line still stays, and its value is not written.
    b[E::FontSize] = {"2", "99"};
    line(expected, 23) = "12";
    EXPECT_EQ(rewrite(bytes, read), crlf(expected));
}

TEST(SettingsFile, ShortFileReadsDefaultsAndIsWrittenWithTheWholeLayout) {
    const std::string bytes =
        crlf({"kort fil", "rad 2", "rad 3", "rad 4", "rad 5", "1 Lex1", "/lex/sven", "1"});
    ReadFile read;
    read.words[0] = "kvar";
    read.report = readSettings(splitTextLines(bytes), read.boxes, read.words);
    SettingsBoxes& boxes = read.boxes;
    EXPECT_FALSE(read.report.bytesPerLineTaken);
    EXPECT_EQ(boxes[E::Lexicon1Folder].value, "/lex/sven");
    // Mod line 8 is "1", its value line is past the end and reads as ".".
    EXPECT_EQ(boxes[E::Lexicon2Folder].mod, "1");
    EXPECT_EQ(boxes[E::Lexicon2Folder].value, ".");
    // Past the end a Mod line reads as "." (Default): the built-in value stays.
    EXPECT_EQ(boxes[E::FontName].mod, ".");
    EXPECT_EQ(boxes[E::FontName].value, "MS Sans Serif");
    EXPECT_EQ(boxes[E::ScreenTextHeight].value, "400");
    EXPECT_EQ(read.words[0], "kvar");

    // Every missing line is filled in so the next read finds the entries
    // where they belong.
    boxes[E::FontName].mod = "1";
    Lines expected = {"kort fil", "rad 2",     "rad 3", "rad 4", "rad 5",
                      "1 Lex1",   "/lex/sven", "1",     "."};
    for (std::size_t i = 2; i < kLeadingEntryCount; ++i) {
        const SettingsBox& box = boxes.entries[i];
        expected.push_back(box.mod.empty() ? "." : box.mod);
        expected.push_back(entryAt(i) == E::FontName || box.mod == "1" ? box.value : ".");
    }
    expected.push_back(std::string(kExcludedHeading));
    expected.insert(expected.end(), read.words.begin(), read.words.end());
    expected.insert(expected.end(), {".", "."});
    const std::string written = rewrite(bytes, read);
    EXPECT_EQ(written, crlf(expected));
    EXPECT_EQ(splitTextLines(written).count(), kLastLayoutLine);
}

TEST(SettingsFile, CopiesTheLinesAfterTheLayoutAndKeepsTheLineEnds) {
    Lines file = fullFile();
    file.push_back(std::string(300, 'x'));
    file.push_back("\x01\x02 bin\xE4r");
    const std::string bytes = crlf(file) + "sista utan radslut";
    EXPECT_EQ(rewrite(bytes, readBytes(bytes)), bytes);

    // LF line ends stay LF, and a last line without an end keeps none.
    std::string lf, expected;
    for (const std::string& text : fullFile()) lf += text + "\n";
    ReadFile read = readBytes(lf);
    EXPECT_EQ(read.boxes[E::FontName].value, "Arial");
    read.boxes[E::FontName].value = "Tahoma";
    file = fullFile();
    line(file, 21) = "Tahoma";
    for (const std::string& text : file) expected += text + "\n";
    EXPECT_EQ(rewrite(lf, read), expected);
    lf.pop_back();
    expected.pop_back();
    EXPECT_EQ(rewrite(lf, read), expected);
}

TEST(SettingsFile, BadInputIsReadWithoutHarm) {
    // Empty Mod lines: no code, so the built-in values stay; written back empty.
    Lines file = fullFile();
    line(file, 20) = "";
    line(file, 22) = "";
    std::string bytes = crlf(file);
    ReadFile read = readBytes(bytes);
    EXPECT_EQ(read.boxes[E::FontName].mod, "");
    EXPECT_EQ(read.boxes[E::FontName].value, "MS Sans Serif");
    EXPECT_EQ(rewrite(bytes, read), bytes);

    // A 1 MB value line is cut to a short text; a 1 MB free-text line is kept whole.
    file = fullFile();
    line(file, 21) = std::string(1 << 20, 'A');
    line(file, 3) = std::string(1 << 20, 'B');
    bytes = crlf(file);
    read = readBytes(bytes);
    EXPECT_EQ(read.boxes[E::FontName].value, std::string(kSettingsValueLength, 'A'));
    EXPECT_EQ(splitTextLines(rewrite(bytes, read)).lines[2].text.size(), std::size_t{1} << 20);

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
    EXPECT_EQ(read.boxes[E::FontStyle].mod, std::string(1, '\0'));
    EXPECT_EQ(read.boxes[E::FontStyle].value, "");  // code not read: built-in kept
    EXPECT_EQ(rewrite(bytes, read), bytes);

    // A file of one line, and an empty file.
    read = readBytes("1");
    EXPECT_EQ(read.boxes[E::Lexicon1Folder].value, "sven\\Aalt.lex");
    EXPECT_EQ(splitTextLines(rewrite("1", read)).count(), kLastLayoutLine);
    EXPECT_EQ(readBytes("").boxes[E::FontSize].value, "14");
}

TEST(SettingsFile, LineEndsAreCrLfLfOrALoneCr) {
    const struct {
        std::string bytes;
        Lines texts;
        Lines ends;
        std::string newLineEnd;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}, {"\r\n", "\r\n"}, "\r\n"},
        {"a\nb", {"a", "b"}, {"\n", ""}, "\n"},
        {"a\rb\r", {"a", "b"}, {"\r", "\r"}, "\r"},
        {"a\r\r\nb\n\rc", {"a", "", "b", "", "c"}, {"\r", "\r\n", "\n", "\r", ""}, "\r"},
        {"\n\n", {"", ""}, {"\n", "\n"}, "\n"},
        {"utan slut", {"utan slut"}, {""}, "\r\n"},
        {"", {}, {}, "\r\n"},
    };
    for (const auto& c : cases) {
        const TextLines split = splitTextLines(c.bytes);
        Lines texts, ends;
        for (const TextLine& l : split.lines) {
            texts.push_back(l.text);
            ends.push_back(l.end);
        }
        EXPECT_EQ(texts, c.texts) << c.bytes;
        EXPECT_EQ(ends, c.ends) << c.bytes;
        EXPECT_EQ(split.newLineEnd, c.newLineEnd) << c.bytes;
        EXPECT_EQ(joinTextLines(split.lines), c.bytes);
    }
}

// Files written with a lone CR after each line, and short files whose last
// line ends in one, read as the same entries and come back unchanged.
TEST(SettingsFile, CrLineEndsReadAndRewriteInPlace) {
    std::string cr;
    for (const std::string& text : fullFile()) cr += text + "\r";
    const ReadFile read = readBytes(cr);
    const ReadFile fromCrLf = readBytes(crlf(fullFile()));
    for (std::size_t i = 0; i < kSettingsEntryCount; ++i) {
        EXPECT_EQ(read.boxes.entries[i].mod, fromCrLf.boxes.entries[i].mod) << i;
        EXPECT_EQ(read.boxes.entries[i].value, fromCrLf.boxes.entries[i].value) << i;
    }
    EXPECT_EQ(read.words, fromCrLf.words);
    EXPECT_EQ(rewrite(cr, read), cr);  // no growth at exit

    // A short LF file whose last line ends in a lone CR: the lines written
    // after it take the file's LF, and every entry reads back in its place.
    Lines shortFile = fullFile();
    shortFile.resize(43);
    std::string bytes;
    for (const std::string& text : shortFile) bytes += text + "\n";
    bytes += "1 Bytes per rad\n16\r";
    ReadFile shortRead = readBytes(bytes);
    EXPECT_EQ(shortRead.boxes[E::BytesPerLine].value, "16");
    const std::string written = rewrite(bytes, shortRead);
    EXPECT_TRUE(written.starts_with(bytes + std::string(kExcludedHeading) + "\n"));
    const ReadFile again = readBytes(written);
    EXPECT_EQ(again.boxes[E::BytesPerLine].value, "16");
    EXPECT_EQ(again.boxes[E::ScreenTextHeight].mod, shortRead.boxes[E::ScreenTextHeight].mod);
    EXPECT_EQ(splitTextLines(written).count(), kLastLayoutLine);
    EXPECT_EQ(rewrite(written, again), written);

    // An empty line written after a lone CR would join it as one CR LF.
    bytes = "1\n2\n3\n4\n5\n1\r";
    ReadFile five = readBytes(bytes);
    five.boxes[E::Lexicon1Folder] = {"1", ""};
    const TextLines lines = splitTextLines(rewrite(bytes, five));
    EXPECT_EQ(lines.count(), kLastLayoutLine);
    EXPECT_EQ(lines.text(7, "x"), "");
}

TEST(SettingsFile, OnlyEightBitTextOfASettingsFileSizeIsTaken) {
    const std::pair<std::string, bool> cases[] = {
        {crlf(fullFile()), true},
        {"", true},
        {std::string("Vernik\0 fri\0 text\r\n", 19), true},  // a few NUL bytes are data
        {"\xEF\xBB\xBFVernik\r\n", true},                    // a UTF-8 mark sits in free text
        {std::string("a\0b\0\r\0", 6), false},               // UTF-16 without a mark
        {"\xFF\xFEz", false},                                // UTF-16 little-endian
        {"\xFE\xFFz", false},                                // UTF-16 big-endian
        {std::string("\0\0\xFE\xFF", 4), false},             // UTF-32 big-endian
        {std::string(kMaxSettingsFileSize, 'x'), true},
        {std::string(kMaxSettingsFileSize + 1, 'x'), false},
    };
    for (const auto& [bytes, taken] : cases) {
        EXPECT_EQ(isSettingsText(bytes), taken) << bytes.substr(0, 12);
    }
}

// A file that is not settings, a folder that cannot be written and a write
// that fails part way all leave the old file as it was, and no other file.
TEST(SettingsFile, WritesTheFileInPlaceOrLeavesTheOldOne) {
    TestFolder folder;
    const std::string original = crlf(fullFile());
    const auto writeChanged = [&original](const std::filesystem::path& path) {
        SettingsBoxes boxes = readBytes(original).boxes;
        boxes[E::FontName].value = "Verdana";
        return writeSettingsFile(path, boxes, {});
    };
    const auto filesIn = [](const std::filesystem::path& dir) {
        return std::distance(std::filesystem::directory_iterator(dir), {});
    };

    const auto path = folder.write("Vernik.ini", original);
    const WriteResult written = writeChanged(path);
    ASSERT_TRUE(written.ok()) << written.error;
    Lines expected = fullFile();
    line(expected, 21) = "Verdana";
    for (int n = 47; n <= 56; ++n) line(expected, n) = "";
    EXPECT_EQ(TestFolder::read(path), crlf(expected));

    folder.write("Vernik.ini", original);
    {
        const FileSizeLimit fullDisk(100);
        ASSERT_TRUE(fullDisk.active());
        EXPECT_FALSE(writeChanged(path).ok());
    }
    EXPECT_EQ(TestFolder::read(path), original);
    EXPECT_EQ(filesIn(folder.path()), 1);

    std::string utf16 = "\xFF\xFE";
    for (const char c : original) utf16 += std::string{c, '\0'};
    folder.write("Vernik.ini", utf16);
    EXPECT_FALSE(writeChanged(path).ok());
    EXPECT_EQ(TestFolder::read(path), utf16);

    const auto missing = folder / "Vernik1.ini";
    EXPECT_FALSE(writeChanged(missing).ok());
    EXPECT_FALSE(std::filesystem::exists(missing));

    // Permissions do not bind root; the size limit above stands in for them.
    const auto locked = folder.write("ini/Vernik.ini", original);
    ::chmod(locked.parent_path().c_str(), 0555);
    if (::access(locked.parent_path().c_str(), W_OK) != 0) {
        EXPECT_FALSE(writeChanged(locked).ok());
        EXPECT_EQ(TestFolder::read(locked), original);
    }
    ::chmod(locked.parent_path().c_str(), 0755);
}

}  // namespace
}  // namespace vernik
