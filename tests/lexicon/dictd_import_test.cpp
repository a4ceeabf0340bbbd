#include "lexicon/dictd_import.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <set>

#include "dictd_files.h"
#include "lexicon/headword_scan.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "platform/cp1252.h"
#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

// Windows-1252 bytes of UTF-8 test text.
std::string cp(const std::string& utf8) {
    return *cp1252FromUtf8(utf8);
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) {
        names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

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

// The lookup scan ignores the case of the initial letter, so of two headwords
// that differ only there it may select either.
bool sameHeadwordLine(const std::string& selected, const std::string& headwordLine) {
    return selected.size() == headwordLine.size() && selected.size() >= 2 &&
           folded(selected[1]) == folded(headwordLine[1]) &&
           selected.substr(2) == headwordLine.substr(2);
}

// Every headword line of the alt files, the bare letter entries and
// sentinels left out.
std::vector<std::string> importedHeadwordLines(const fs::path& folder) {
    std::vector<std::string> lines;
    for (const char letter : kLetterSequence) {
        const auto file = findLetterFile(folder.string(), "", letter, LetterKind::Alt);
        if (!file) continue;
        std::ifstream in(*file, std::ios::binary);
        const std::string bare = std::string(".") + letter;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line == sentinelLine(letter)) break;
            if (!line.empty() && line[0] == '.' && line != bare) lines.push_back(line);
        }
    }
    return lines;
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

TEST_F(DictdImportTest, CountsEveryIndexEntryOnce) {
    const auto result = import(writeDictd(source, "sv", kDictionary));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.headerEntries, 2u);
    EXPECT_EQ(result.withoutCp1252, 2u);      // kaŝo, βeta
    EXPECT_EQ(result.withoutLetterFile, 2u);  // 's, 0-9
    EXPECT_EQ(result.mergedDuplicates, 1u);   // the second bok
    EXPECT_EQ(result.imported, 21u);
    EXPECT_EQ(result.droppedCharacters, 1u);  // the coffee cup
    EXPECT_EQ(importedHeadwordLines(lexicon()).size(), result.imported);
}

TEST_F(DictdImportTest, WritesTheLetterFileInHeadwordOrder) {
    ASSERT_TRUE(import(writeDictd(source, "sv", kDictionary)).ok());
    EXPECT_EQ(altFile("B"), crlf({".B",
                                  "B",  //
                                  ".b",
                                  "the letter b",  //
                                  ".bad boy",
                                  "rascal",  //
                                  ".bar",
                                  "-able",
                                  "-ible",  //
                                  ".bil",
                                  "car",
                                  "auto",
                                  "automobile [motor, vehicle]",
                                  ".bok",
                                  "book",
                                  "beech (tree, wood)",
                                  "beech",  //
                                  ".Bok",
                                  "Book (the name)",  //
                                  cp(".bär"),
                                  "berry",  //
                                  cp(".båt"),
                                  "boat",  //
                                  ".b\xFF\xFF\xFF",
                                  "Filslutsindikering"}));
    EXPECT_EQ(altFile("A"), crlf({".A", "A",  //
                                  ".abuse", cp("skällaut"), "missbruk", cp("missförhållande"),
                                  cp("förnärma"),                             //
                                  ".ack", "alas",                             //
                                  ".Atlanten", "Atlantic", "Atlantic Ocean",  //
                                  ".a\xFF\xFF\xFF", "Filslutsindikering"}));
}

TEST_F(DictdImportTest, SwedishInitialsGetTheirOwnFiles) {
    ASSERT_TRUE(import(writeDictd(source, "sv", kDictionary)).ok());
    EXPECT_EQ(altFile("Å"), crlf({cp(".Å"), cp("Å"), cp(".ål"), "eel", cp(".Ålderman"), "alderman",
                                  cp(".åÿÿÿ"), "Filslutsindikering"}));
    EXPECT_EQ(altFile("Ä"),
              crlf({cp(".Ä"), cp("Ä"), cp(".ärta"), "pea", cp(".äÿÿÿ"), "Filslutsindikering"}));
    EXPECT_EQ(altFile("Ö"), crlf({cp(".Ö"), cp("Ö"), cp(".öga"), "eye", "eye (of a needle)", "loop",
                                  cp(".öl"), "beer", cp(".öÿÿÿ"), "Filslutsindikering"}));
}

TEST_F(DictdImportTest, ShapesAlternativesIntoLexiconLines) {
    ASSERT_TRUE(import(writeDictd(source, "sv", kDictionary)).ok());
    // A heading written unlike the index key is still recognised by its pronunciation.
    EXPECT_NE(altFile("L").find(crlf({".lika som", "as ... as", "so ... as"})), std::string::npos);
    // Alternatives are cut to the longest lexicon line.
    EXPECT_NE(altFile("L").find(crlf({cp(".lång"), std::string(255, 'x'), ".l\xFF\xFF\xFF"})),
              std::string::npos);
    // A first line that is no heading is an alternative; CR LF bodies leave no CR behind.
    EXPECT_EQ(altFile("K"), crlf({".K", "K", ".kaffe", "coffee", ".kul", "fun", "nice",
                                  ".k\xFF\xFF\xFF", "Filslutsindikering"}));
    EXPECT_NE(altFile("H").find(crlf({".hus", "house", ".h\xFF\xFF\xFF"})), std::string::npos);
}

TEST_F(DictdImportTest, WritesEveryLetterFileAndNothingElse) {
    ASSERT_TRUE(import(writeDictd(source, "sv", kDictionary)).ok());
    EXPECT_EQ(namesIn(out.path()), std::vector<std::string>{"sven"});
    std::set<std::string> expected;
    for (const char letter : kLetterSequence) {
        const std::string name = utf8FromCp1252(std::string(1, letter));
        expected.insert(name + "alt.lex");
        expected.insert(name + "com.lex");
        EXPECT_EQ(TestFolder::read(lexicon() / (name + "com.lex")),
                  joinLinesCrLf(letterFileTemplate(letter)));
    }
    const auto names = namesIn(lexicon());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    EXPECT_EQ(altFile("Z"), joinLinesCrLf(letterFileTemplate('Z')));
}

TEST_F(DictdImportTest, LookupFindsEveryImportedHeadword) {
    ASSERT_TRUE(import(writeDictd(source, "sv", kDictionary)).ok());
    for (const auto& line : importedHeadwordLines(lexicon())) {
        const std::string selected = selectedLine(lexicon(), line.substr(1));
        EXPECT_TRUE(sameHeadwordLine(selected, line)) << line << " selected " << selected;
    }
    EXPECT_EQ(selectedLine(lexicon(), "Bok"), ".bok");  // equal after the initial: the first
}

TEST_F(DictdImportTest, ReadsPlainDataAndTheOriginalHeadwordColumn) {
    const std::string apple = "Apple\nfruit, tree\n", book = "book\n1. bok\n";
    source.write("en.index", "apple\tA\t" + dictdNumber(apple.size()) + "\tApple\nbook\t" +
                                 dictdNumber(apple.size()) + "\t" + dictdNumber(book.size()) +
                                 "\n");
    source.write("en.dict", apple + book);
    const auto result = import(source / "en");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.imported, 2u);
    EXPECT_EQ(altFile("A"),
              crlf({".A", "A", ".Apple", "fruit", "tree", ".a\xFF\xFF\xFF", "Filslutsindikering"}));
    EXPECT_NE(altFile("B").find(crlf({".book", "bok"})), std::string::npos);
}

TEST_F(DictdImportTest, AnEmptyOutputFolderIsFilled) {
    fs::create_directory(lexicon());
    const auto result = import(writeDictd(source, "sv", kDictionary));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_TRUE(isLexiconFolder(lexicon().string()));
}

// A damaged dictionary or an unusable output folder fails with a message that
// names the file and leaves the output parent as it was.
struct Damage {
    std::string name;
    void (*damage)(const TestFolder& source, const fs::path& lexicon);
    std::vector<std::string> messageParts;
};

void truncateDictDz(const TestFolder& source, const fs::path&) {
    const auto file = source / "sv.dict.dz";
    fs::resize_file(file, fs::file_size(file) / 2);
}

void flipDictDzByte(const TestFolder& source, const fs::path&) {
    std::string bytes = TestFolder::read(source / "sv.dict.dz");
    bytes[bytes.size() - 6] ^= 0x55;  // inside the checksum trailer
    source.write("sv.dict.dz", bytes);
}

void plainTextAsDictDz(const TestFolder& source, const fs::path&) {
    source.write("sv.dict.dz", "abuse\nmissbruk\n");
}

void appendIndexLine(const TestFolder& source, const std::string& line) {
    source.write("sv.index", TestFolder::read(source / "sv.index") + line);
}

const std::vector<Damage> kDamages = {
    {"truncated gzip", truncateDictDz, {"sv.dict.dz", "truncated"}},
    {"bad checksum", flipDictDzByte, {"sv.dict.dz", "damaged"}},
    {"not gzip", plainTextAsDictDz, {"sv.dict.dz", "damaged"}},
    {"two fields",
     [](const TestFolder& s, const fs::path&) { appendIndexLine(s, "abuse\tA\n"); },
     {"sv.index", "line 29", "abuse"}},
    {"bad digit",
     [](const TestFolder& s, const fs::path&) { appendIndexLine(s, "abuse\tA!\tB\n"); },
     {"sv.index", "line 29"}},
    {"offset past the end",
     [](const TestFolder& s, const fs::path&) { appendIndexLine(s, "abuse\tZZZ\tB\n"); },
     {"sv.index", "line 29", "points past the end", "sv.dict.dz"}},
    {"length past the end",
     [](const TestFolder& s, const fs::path&) { appendIndexLine(s, "abuse\tA\tZZZ\n"); },
     {"sv.index", "line 29", "points past the end"}},
    {"empty index",
     [](const TestFolder& s, const fs::path&) { s.write("sv.index", ""); },
     {"sv.index", "no entries"}},
    {"no index",
     [](const TestFolder& s, const fs::path&) { fs::remove(s / "sv.index"); },
     {"sv.index", "no such file"}},
    {"no data",
     [](const TestFolder& s, const fs::path&) { fs::remove(s / "sv.dict.dz"); },
     {"sv.dict.dz", "sv.dict", "no such file"}},
    {"output not empty",
     [](const TestFolder&, const fs::path& lexicon) {
         fs::create_directory(lexicon);
         std::ofstream(lexicon / "notes.txt") << "mine";
     },
     {"sven", "not empty"}},
    {"output is a file",
     [](const TestFolder&, const fs::path& lexicon) { std::ofstream(lexicon) << "mine"; },
     {"sven", "not a folder"}},
};

TEST_F(DictdImportTest, DamageFailsAndLeavesNoLexicon) {
    for (const auto& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        TestFolder dictionary, parent;
        const fs::path base = writeDictd(dictionary, "sv", kDictionary);
        const fs::path target = parent.path() / "sven";
        damage.damage(dictionary, target);
        const auto before = namesIn(parent.path());
        const std::string targetBefore = fs::is_directory(target) ? "" : TestFolder::read(target);

        const auto result = importDictd(base, target);
        EXPECT_FALSE(result.ok());
        for (const auto& part : damage.messageParts) {
            EXPECT_NE(result.error.find(part), std::string::npos) << result.error;
        }
        EXPECT_EQ(namesIn(parent.path()), before);
        if (fs::is_directory(target)) {
            EXPECT_EQ(namesIn(target), std::vector<std::string>{"notes.txt"});
        } else if (fs::exists(target)) {
            EXPECT_EQ(TestFolder::read(target), targetBefore);
        }
    }
}

TEST_F(DictdImportTest, OutputPathsThatNameNoNewFolderAreErrors) {
    const fs::path base = writeDictd(source, "sv", kDictionary);
    auto result = importDictd(base, out / "no/sven");
    EXPECT_NE(result.error.find("no such folder"), std::string::npos) << result.error;
    for (const char* path : {"", ".", "..", "sven/.."}) {
        result = importDictd(base, path);
        EXPECT_NE(result.error.find("names no new folder"), std::string::npos) << path;
    }
    EXPECT_TRUE(namesIn(out.path()).empty());
}

// A write that fails halfway (here: the file size limit is hit at the B file)
// removes the temporary folder. Runs in a child process so the limit stays there.
TEST_F(DictdImportTest, AFailedWriteLeavesNoTemporaryFolder) {
    std::vector<DictdDefinition> many = kDictionary;
    for (int i = 0; i < 200; ++i) many.push_back({"bo" + std::to_string(i), "ord\nword\n"});
    const fs::path base = writeDictd(source, "sv", many);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto result = importDictd(base, lexicon());
        const bool failedOnB = result.error.find("Balt.lex") != std::string::npos;
        std::_Exit(failedOnB ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the import did not fail at the B alt file";
    EXPECT_TRUE(namesIn(out.path()).empty());
}

// The FreeDict dictionaries as installed: every imported headword must be
// found again by the lookup scan.
class FreeDictImport : public ::testing::TestWithParam<std::string> {};

// The headwords of a dictd index that Windows-1252 can write, headers left out.
std::set<std::string> convertibleIndexHeadwords(const fs::path& index) {
    std::set<std::string> headwords;
    std::ifstream in(index, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const std::string headword = line.substr(0, line.find('\t'));
        if (headword.empty() || headword.starts_with("00database")) continue;
        if (const auto converted = cp1252FromUtf8(headword)) headwords.insert(*converted);
    }
    return headwords;
}

TEST_P(FreeDictImport, LookupFindsEveryHeadword) {
    const fs::path base = "/usr/share/dictd/freedict-" + GetParam();
    if (!fs::exists(base.string() + ".index")) GTEST_SKIP() << base << " is not installed";
    TestFolder out;
    const fs::path lexicon = out.path() / "lexicon";
    const auto result = importDictd(base, lexicon);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_GT(result.imported, 1000u);

    const auto lines = importedHeadwordLines(lexicon);
    EXPECT_EQ(lines.size(), result.imported);
    std::set<std::string> written;
    int misses = 0;
    for (const auto& line : lines) {
        written.insert(line.substr(1));
        const std::string selected = selectedLine(lexicon, line.substr(1));
        if (!sameHeadwordLine(selected, line) && ++misses <= 10) {
            ADD_FAILURE() << utf8FromCp1252(line) << " selected " << utf8FromCp1252(selected);
        }
    }
    EXPECT_EQ(misses, 0);
    for (const auto& headword : convertibleIndexHeadwords(base.string() + ".index")) {
        EXPECT_TRUE(written.count(headword)) << utf8FromCp1252(headword) << " was not imported";
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
