#include "lexicon/dictd_import.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#include "dictd_files.h"
#include "lexicon/headword_scan.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "maintenance/child_process.h"
#include "maintenance/letter_file_rewrite.h"
#include "platform/cp1252.h"
#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

// Windows-1252 bytes of UTF-8 test text.
std::string cp(const std::string& utf8) {
    return *cp1252FromUtf8(utf8);
}

constexpr auto namesIn = &TestFolder::namesIn;

// The headword line a lookup of `word` selects in the lexicon `folder`.
std::string selectedLine(const fs::path& folder, const std::string& word) {
    const auto file = findLetterFile(folder.string(), "", initialLetter(word), LetterKind::Alt);
    if (!file) return "(no letter file)";
    AltTable table;
    scanAltFile({.word = word, .altFile = *file}, table);
    return table.slot(1);
}

// Windows-1252 letters to lower case.
char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return char(u + 32);
    return c;
}

// Every headword line of the alt files, the bare letter entries and
// sentinels left out.
std::vector<std::string> importedHeadwordLines(const fs::path& folder) {
    std::vector<std::string> lines;
    for (const char letter : kLetterSequence) {
        const auto file = findLetterFile(folder.string(), "", letter, LetterKind::Alt);
        if (!file) continue;
        for (const auto& line : splitLetterLines(TestFolder::read(*file))) {
            if (line == sentinelLine(letter)) break;
            if (line.starts_with('.') && line != std::string(".") + letter) lines.push_back(line);
        }
    }
    return lines;
}

// Checks that the lexicon holds `imported` headwords and that a lookup of each
// selects its own line, or (the scan ignoring the case of the initial letter)
// one that differs only there. Returns the headwords.
std::set<std::string> expectLookupFindsEveryHeadword(const fs::path& lexicon,
                                                     std::size_t imported) {
    const auto lines = importedHeadwordLines(lexicon);
    EXPECT_EQ(lines.size(), imported);
    std::set<std::string> headwords;
    int misses = 0;
    for (const auto& line : lines) {
        headwords.insert(line.substr(1));
        const std::string selected = selectedLine(lexicon, line.substr(1));
        const bool same = selected.size() == line.size() && selected.size() >= 2 &&
                          folded(selected[1]) == folded(line[1]) &&
                          selected.substr(2) == line.substr(2);
        if (!same && ++misses <= 10) {
            ADD_FAILURE() << utf8FromCp1252(line) << " selected " << utf8FromCp1252(selected);
        }
    }
    EXPECT_EQ(misses, 0);
    return headwords;
}

const std::vector<DictdDefinition> kDictionary = {
    {"00databaseinfo", "00-database-info\nA test dictionary\n"},
    {"00databaseutf8", "\n"},
    {"abuse", "abuse /əbjuːz/\n1. skällaut\n2. missbruk, missförhållande\n3. förnärma\n"},
    {"Atlanten", "Atlanten /ˈatlantən/\nAtlantic, Atlantic Ocean\n"},
    {"bok", "bok /buːk/\nbook; beech (tree, wood)\n"},
    {"bil", "bil\ncar; .auto; automobile [motor, vehicle]\n"},
    {"Bok", "Bok\nBook (the name)\n"},
    {"bok", "bok /buːk/\n1. book\n2. beech\n"},
    {"bär", "bär /bɛːr/\nberry\n"},
    {"b", "b\nthe letter b\n"},
    {"bad boy", "bad boy\nrascal\n"},
    {"båt", "båt /boːt/\nboat\n"},
    {"kaŝo", "kaŝo\ncat\n"},
    {"βeta", "βeta\nbeta\n"},
    {"'s", "'s\nis\n"},
    {"0-9", "0-9\ndigits\n"},
    {"bÿÿÿa", "bÿÿÿa\nafter the end\n"},
    {"ål", "ål /oːl/\neel\n"},
    {"Ålderman", "Ålderman\nalderman\n"},
    {"ärta", "ärta\npea\n"},
    {"öga", "öga /ˈøːɡa/\n1. eye\n2. eye (of a needle); loop\n"},
    {"öl", "öl /øːl/\nbeer\n"},
    {"lika som", "lika ... som /lˈiːka sɔm/\n1. as ... as\n2. so ... as\n"},
    {"bar", "‐bar /bˈɑːr/\n‐able, ‐ible\n"},
    {"kaffe", "kaffe /ˈkafːə/\ncoffee ☕\n"},
    {"lång", "lång\n" + std::string(300, 'x') + "\n"},
    {"kul", "fun, nice\n"},
    {"hus", "hus /hʉːs/\r\nhouse\r\n"},
    {"ack", "Ack\nalas\n"},
};

// The bytes of the alt file of `letter` (UTF-8) holding `entries`, each a
// headword line and its alternatives joined by "\n", inside the letter's template.
std::string altFileBytes(const std::string& letter, const std::vector<std::string>& entries) {
    std::string text = cp("." + letter + "\n" + letter + "\n");
    for (const auto& entry : entries) text += cp(entry + "\n");
    text += std::string(".") + folded(text[1]) + "\xFF\xFF\xFF\nFilslutsindikering\n";
    std::string bytes;
    for (const char c : text) bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return bytes;
}

// The alt files of kDictionary that hold entries, and one that holds none.
const std::pair<std::string, std::vector<std::string>> kAltFiles[] = {
    {"A",
     {".abuse\nskällaut\nmissbruk\nmissförhållande\nförnärma", ".ack\nalas",
      ".Atlanten\nAtlantic\nAtlantic Ocean"}},
    // Duplicate headwords merged without repeated alternatives; headword order.
    {"B",
     {".b\nthe letter b", ".bad boy\nrascal", ".bar\n-able\n-ible",
      ".bil\ncar\nauto\nautomobile [motor, vehicle]", ".bok\nbook\nbeech (tree, wood)\nbeech",
      ".Bok\nBook (the name)", ".bär\nberry", ".båt\nboat"}},
    // CR LF bodies leave no CR behind.
    {"H", {".hus\nhouse"}},
    // A first line that is no heading is an alternative; the coffee cup is dropped.
    {"K", {".kaffe\ncoffee", ".kul\nfun\nnice"}},
    // A heading unlike the index key is known by its pronunciation; lines are cut to 255.
    {"L", {".lika som\nas ... as\nso ... as", ".lång\n" + std::string(255, 'x')}},
    {"Z", {}},
    {"Å", {".ål\neel", ".Ålderman\nalderman"}},
    {"Ä", {".ärta\npea"}},
    {"Ö", {".öga\neye\neye (of a needle)\nloop", ".öl\nbeer"}},
};

class DictdImportTest : public ::testing::Test {
  protected:
    DictdImportResult import(const fs::path& base) { return importDictd(base, lexicon()); }
    fs::path lexicon() const { return out.path() / "sven"; }
    std::string altFile(const std::string& letter) const {
        return TestFolder::read(lexicon() / (letter + "alt.lex"));
    }

    TestFolder source;
    TestFolder out;
};

TEST_F(DictdImportTest, WritesWholeLetterFilesThatTheLookupReads) {
    fs::create_directory(lexicon());  // an empty output folder is filled
    const auto result = import(writeDictd(source, "sv", kDictionary));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.headerEntries, 2u);
    EXPECT_EQ(result.withoutCp1252, 2u);      // kaŝo, βeta
    EXPECT_EQ(result.withoutLetterFile, 3u);  // 's, 0-9, bÿÿÿa (past the sentinel)
    EXPECT_EQ(result.mergedDuplicates, 1u);   // the second bok
    EXPECT_EQ(result.imported, 21u);
    EXPECT_EQ(result.droppedCharacters, 1u);  // the coffee cup
    expectLookupFindsEveryHeadword(lexicon(), result.imported);
    EXPECT_EQ(selectedLine(lexicon(), "Bok"), ".bok");  // equal after the initial: the first

    for (const auto& [letter, entries] : kAltFiles) {
        EXPECT_EQ(altFile(letter), altFileBytes(letter, entries)) << letter;
    }

    // The alt and com file of every letter, the com files as the template, and nothing else.
    EXPECT_EQ(namesIn(out.path()), std::set<std::string>{"sven"});
    std::set<std::string> expected;
    for (const char letter : kLetterSequence) {
        const std::string name = utf8FromCp1252(std::string(1, letter));
        expected.insert({name + "alt.lex", name + "com.lex"});
        EXPECT_EQ(TestFolder::read(lexicon() / (name + "com.lex")),
                  joinLinesCrLf(letterFileTemplate(letter)));
    }
    EXPECT_EQ(namesIn(lexicon()), expected);
}

// Into a folder that does not exist yet.
TEST_F(DictdImportTest, ReadsPlainDataAndTheOriginalHeadwordColumn) {
    const std::string apple = "Apple\nfruit, tree\n", book = "book\n1. bok\n";
    source.write("en.index", "apple\tA\t" + dictdNumber(apple.size()) + "\tApple\nbook\t" +
                                 dictdNumber(apple.size()) + "\t" + dictdNumber(book.size()) +
                                 "\n");
    source.write("en.dict", apple + book);
    const auto result = import(source / "en");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.imported, 2u);
    EXPECT_EQ(altFile("A"), altFileBytes("A", {".Apple\nfruit\ntree"}));
    EXPECT_EQ(altFile("B"), altFileBytes("B", {".book\nbok"}));
}

// A damaged dictionary fails with a message that names the file and the
// problem, and leaves no lexicon and no temporary folder.
using Damage = std::function<void(const TestFolder& source)>;

// Changes the bytes of the dictionary file `name`, or removes it without `change`.
Damage edit(const std::string& name, const std::function<void(std::string&)>& change = {}) {
    return [=](const TestFolder& source) {
        if (!change) {
            fs::remove(source / name);
            return;
        }
        std::string bytes = TestFolder::read(source / name);
        change(bytes);
        source.write(name, bytes);
    };
}

Damage appendIndexLine(const std::string& line) {
    return edit("sv.index", [=](std::string& bytes) { bytes += line; });
}

const struct {
    const char* name;
    Damage damage;
    std::vector<std::string> messageParts;
} kDamages[] = {
    {"truncated gzip",
     edit("sv.dict.dz", [](auto& b) { b.resize(b.size() / 2); }),
     {"sv.dict.dz", "truncated"}},
    // A byte inside the checksum trailer.
    {"bad checksum",
     edit("sv.dict.dz", [](auto& b) { b[b.size() - 6] ^= 0x55; }),
     {"sv.dict.dz", "damaged"}},
    {"not gzip", edit("sv.dict.dz", [](auto& b) { b = "x\ny\n"; }), {"sv.dict.dz", "damaged"}},
    {"two fields", appendIndexLine("abuse\tA\n"), {"sv.index", "line 30", "abuse"}},
    {"bad digit", appendIndexLine("abuse\tA!\tB\n"), {"sv.index", "line 30"}},
    {"offset past the end",
     appendIndexLine("abuse\tZZZ\tB\n"),
     {"sv.index", "line 30", "points past the end", "sv.dict.dz"}},
    {"length past the end",
     appendIndexLine("abuse\tA\tZZZ\n"),
     {"sv.index", "line 30", "points past the end"}},
    {"empty index", edit("sv.index", [](auto& b) { b.clear(); }), {"sv.index", "no entries"}},
    // 8 MB of zeros pack to 8 KB: far more than text ever unpacks to.
    {"decompression bomb",
     [](const TestFolder& source) { writeGzip(source / "sv.dict.dz", std::string(8 << 20, '\0')); },
     {"sv.dict.dz", "refused", "unpacks to more than"}},
    {"no index", edit("sv.index"), {"sv.index", "no such file"}},
    {"no data", edit("sv.dict.dz"), {"sv.dict.dz", "sv.dict", "no such file"}},
};

TEST_F(DictdImportTest, DamageFailsAndLeavesNoLexicon) {
    for (const auto& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        TestFolder dictionary, parent;
        const fs::path base = writeDictd(dictionary, "sv", kDictionary);
        const fs::path target = parent.path() / "sven";
        damage.damage(dictionary);

        const auto result = importDictd(base, target);
        EXPECT_FALSE(result.ok());
        for (const auto& part : damage.messageParts) {
            EXPECT_NE(result.error.find(part), std::string::npos) << result.error;
        }
        EXPECT_TRUE(namesIn(parent.path()).empty());
    }
}

TEST_F(DictdImportTest, UnusableOutputPathsAreErrorsAndLeftAsTheyWere) {
    const fs::path base = writeDictd(source, "sv", kDictionary);
    out.write("full/notes.txt", "mine");
    out.write("file", "mine");
    // The message names the folder at fault.
    for (const auto& [path, message] : {std::pair{"no/sven", "/no: no such folder"},
                                        {"full", "/full: already exists and is not empty"},
                                        {"file", "/file: exists and is not a folder"}}) {
        const auto result = importDictd(base, out / path);
        EXPECT_NE(result.error.find(message), std::string::npos) << result.error;
    }
    for (const char* path : {"", ".", "..", "sven/.."}) {
        const auto result = importDictd(base, path);
        EXPECT_NE(result.error.find("names no new folder"), std::string::npos) << path;
    }
    EXPECT_EQ(namesIn(out.path()), (std::set<std::string>{"file", "full"}));
    EXPECT_EQ(namesIn(out / "full"), std::set<std::string>{"notes.txt"});
    EXPECT_EQ(TestFolder::read(out / "file"), "mine");
}

// Many index lines addressing one large definition share one parse of it and
// one copy of its alternatives. The definition is a heading line and one line
// of a million letters (so it does not pack like a bomb), which becomes one
// alternative cut to a lexicon line. Without sharing this takes gigabytes.
TEST_F(DictdImportTest, IndexLinesSharingADefinitionAreParsedOnce) {
    constexpr int kLines = 1000;
    std::string longLine(1 << 20, 'a');
    std::minstd_rand random(7);
    for (char& c : longLine) c = static_cast<char>('a' + random() % 26);
    const std::string definition = "a7\n" + longLine + "\n";
    std::string index;
    std::vector<std::string> headwords;
    for (int i = 0; i < kLines; ++i) {
        headwords.push_back("a" + std::to_string(i));
        index += headwords.back() + "\tA\t" + dictdNumber(definition.size()) + "\n";
    }
    source.write("big.index", index);
    writeGzip(source / "big.dict.dz", definition);

    // In a child process, so that its peak memory can be measured alone.
    rusage usage{};
    const pid_t child =
        startChild([&] { return import(source / "big").imported == kLines ? 0 : 1; });
    ASSERT_EQ(waitForChild(child, &usage), 0) << "the import failed";
    EXPECT_LT(usage.ru_maxrss, 300 * 1024) << "peak kilobytes";

    // "a7" has the first line as its heading; for the others it is an alternative.
    std::sort(headwords.begin(), headwords.end());
    std::vector<std::string> entries;
    for (const auto& headword : headwords) {
        const std::string cut = longLine.substr(0, 255);
        entries.push_back("." + headword + (headword == "a7" ? "" : "\na7") + "\n" + cut);
    }
    EXPECT_EQ(altFile("A"), altFileBytes("A", entries));
}

// An import that fails halfway (the file size limit hit at the B file)
// removes its temporary folder. One killed halfway (the limit's signal left
// deadly) cannot; the next import removes it, but not that of a process still
// running, nor folders of other names.
TEST_F(DictdImportTest, TemporaryFoldersDoNotOutliveTheirImport) {
    std::vector<DictdDefinition> many = kDictionary;
    for (int i = 0; i < 200; ++i) many.push_back({"bo" + std::to_string(i), "ord\nword\n"});
    const fs::path base = writeDictd(source, "sv", many);
    const auto importUnderSizeLimit = [&](bool killed) {
        return runInChild([&] {
            std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
            const rlimit noCore{0, 0}, limit{1000, 1000};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return importDictd(base, lexicon()).error.find("Balt.lex") != std::string::npos ? 0 : 1;
        });
    };
    EXPECT_EQ(importUnderSizeLimit(false), 0) << "the import did not fail at the B alt file";
    EXPECT_TRUE(namesIn(out.path()).empty());

    ASSERT_EQ(importUnderSizeLimit(true), -SIGXFSZ);
    const auto left = namesIn(out.path());
    ASSERT_EQ(left.size(), 1u);
    const std::string abandoned = *left.begin();
    const std::string killedPid = abandoned.substr(abandoned.rfind('-') + 1);
    ASSERT_EQ(abandoned, ".sven.importing-" + killedPid);
    EXPECT_TRUE(fs::exists(out / abandoned / "Aalt.lex"));
    std::set<std::string> kept = {".other.importing-" + killedPid, ".sven.importing-x",
                                  ".sven.importing-" + std::to_string(::getpid())};
    for (const auto& name : kept) fs::create_directory(out / name);
    fs::create_directory(out / (abandoned + "-2"));

    const auto result = importDictd(base, lexicon());
    ASSERT_TRUE(result.ok()) << result.error;
    kept.insert("sven");
    EXPECT_EQ(namesIn(out.path()), kept);
}

// The FreeDict dictionaries as installed: every headword of the index that
// Windows-1252 can write is imported and found again by the lookup scan.
class FreeDictImport : public ::testing::TestWithParam<std::string> {};

TEST_P(FreeDictImport, LookupFindsEveryHeadword) {
    const std::string base = "/usr/share/dictd/freedict-" + GetParam();
    if (!fs::exists(base + ".index")) GTEST_SKIP() << base << " is not installed";
    TestFolder out;
    const auto result = importDictd(base, out / "lexicon");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_GT(result.imported, 1000u);

    const auto written = expectLookupFindsEveryHeadword(out / "lexicon", result.imported);
    std::ifstream index(base + ".index", std::ios::binary);
    for (std::string line; std::getline(index, line);) {
        const auto headword = cp1252FromUtf8(line.substr(0, line.find('\t')));
        if (!headword || headword->empty() || headword->starts_with("00database")) continue;
        EXPECT_TRUE(written.count(*headword)) << utf8FromCp1252(*headword) << " was not imported";
    }
}

INSTANTIATE_TEST_SUITE_P(BothDirections, FreeDictImport, ::testing::Values("swe-eng", "eng-swe"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name.erase(name.find('-'), 1);
                             return name;
                         });

}  // namespace
}  // namespace vernik
