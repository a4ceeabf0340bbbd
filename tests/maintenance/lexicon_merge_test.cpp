#include "maintenance/lexicon_merge.h"

#include <gtest/gtest.h>

#include <map>

#include "test_folder.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kMark = "\xA4";
const std::string kEndB = ".b\xFF\xFF\xFF\r\nFilslutsindikering\r\n";
const std::string kMissing = "(missing)";

// A letter file of B: `lines`, then the sentinel and the line after it.
std::string letterB(const Lines& lines) {
    return TestFolder::crlf(lines) + kEndB;
}

// Three lexicon folders under one temporary folder: main, second and result.
class MergeFolders {
  public:
    MergeFolders() { fs::create_directories(result()); }
    std::string main() const { return (root / "main").string(); }
    std::string second() const { return (root / "second").string(); }
    std::string result() const { return (root / "result").string(); }

    void write(const std::string& folder, const std::string& name, const std::string& bytes) {
        root.write(folder + "/" + name, bytes);
    }
    MergeReport run(MergeOperation operation, bool mark = false,
                    CommentMergeFactory comments = {}) const {
        return runMerge({.operation = operation,
                         .mainFolder = main(),
                         .secondFolder = second(),
                         .resultFolder = result(),
                         .markNewWords = mark,
                         .commentMerge = std::move(comments)});
    }
    std::string resultFile(const std::string& name) const {
        const fs::path file = fs::path(result()) / name;
        return fs::exists(file) ? TestFolder::read(file) : kMissing;
    }

    TestFolder root;
};

TEST(MergeOrderTest, WalksOverLettersAndStopsAtBlanksAndCommas) {
    const CollationRank rank = identityCollationRank();
    struct Case {
        std::string a, b;
        bool aAfterB, bAfterA;
    };
    const Case cases[] = {
        {".bok", ".bil", true, false},
        {".ba", ".b", true, false},        // an ended line sorts first
        {".bil", ".Bil", true, false},     // the initial letter is compared too
        {".ab c", ".ab d", false, false},  // a blank stops the walk: equal in order
        {".ab,x", ".ab,a", false, false},
        {".b\xE5t",
         ".b\xE4"
         "ck",
         true, false},
        {".bad", ".bad", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mergeSortsAfter(c.a, c.b, rank), c.aAfterB) << c.a << " / " << c.b;
        EXPECT_EQ(mergeSortsAfter(c.b, c.a, rank), c.bAfterA) << c.b << " / " << c.a;
    }
}

// The alt file of B that each operation writes for two alt files of B.
TEST(LexiconMergeTest, AltFilesByOperation) {
    Lines many = {".B", "B", ".bad"};
    for (int i = 1; i <= 120; ++i) many.push_back("alt" + std::to_string(i));
    Lines manyAdded = many;
    manyAdded.push_back("new");
    Lines manyMarked = many;
    manyMarked.push_back(kMark + "new");
    struct Case {
        const char* name;
        Lines main, second;
        Lines add, addMarked, difference, notInMain;
    };
    const Case cases[] = {
        {"a second headword between two main ones and one after the last",
         {".B", "B", ".bad", "poor", ".bok", "book"},
         {".B", "B", ".bil", "car", ".by", "village"},
         {".B", "B", ".bad", "poor", ".bil", "car", ".bok", "book", ".by", "village"},
         {".B", "B", ".bad", "poor", ".bil", kMark + "car", ".bok", "book", ".by",
          kMark + "village"},
         {".bad", "poor", ".bil", "car", ".bok", "book", ".by", "village"},
         {".bil", "car", ".by", "village"}},
        {"a shared headword whose alternatives the main one has",
         {".B", "B", ".bad", "poor", "bad"},
         {".B", "B", ".bad", "bad"},
         {".B", "B", ".bad", "poor", "bad"},
         {".B", "B", ".bad", "poor", "bad"},
         {},
         {}},
        {"marking marks a marked alternative once more",
         {".B", "B", ".bad", "poor"},
         {".B", "B", ".bad", "poor", kMark + "sad", ".bo", kMark + "live"},
         {".B", "B", ".bad", "poor", kMark + "sad", ".bo", kMark + "live"},
         {".B", "B", ".bad", "poor", kMark + kMark + "sad", ".bo", kMark + kMark + "live"},
         {".bad", kMark + "sad", ".bo", kMark + "live"},
         {".bad", kMark + "sad", ".bo", kMark + "live"}},
        {"lines beginning with a blank dropped, trailing blanks removed",
         {"before any headword", ".B", "B", ".bad  ", "poor \t", " dropped", "\tdropped", "",
          "rich"},
         {".B", "B", ".bad ", "rich  ", "fine"},
         {".B", "B", ".bad", "poor", "rich", "fine"},
         {".B", "B", ".bad", "poor", "rich", kMark + "fine"},
         {".bad", "fine"},
         {".bad", "fine"}},
        {"phrases sharing their first word, the main one first",
         {".B", "B", ".bo d", "y"},
         {".B", "B", ".bo c", "x"},
         {".B", "B", ".bo d", "y", ".bo c", "x"},
         {".B", "B", ".bo d", "y", ".bo c", kMark + "x"},
         {".bo d", "y", ".bo c", "x"},
         {".bo c", "x"}},
        {"headwords differing in case are different",
         {".B", "B", ".bil", "car"},
         {".B", "B", ".Bo", "x", ".bIl", "car"},
         {".B", "B", ".Bo", "x", ".bIl", "car", ".bil", "car"},
         {".B", "B", ".Bo", kMark + "x", ".bIl", kMark + "car", ".bil", "car"},
         {".Bo", "x", ".bIl", "car", ".bil", "car"},
         {".Bo", "x", ".bIl", "car"}},
        {"a lexicon with itself",
         {".B", "B", ".bad", "poor", ".bo c", "x"},
         {".B", "B", ".bad", "poor", ".bo c", "x"},
         {".B", "B", ".bad", "poor", ".bo c", "x"},
         {".B", "B", ".bad", "poor", ".bo c", "x"},
         {},
         {}},
        {"more than 100 alternatives all kept",
         many,
         {".B", "B", ".bad", "alt120", "new"},
         manyAdded,
         manyMarked,
         {".bad", "new"},
         {".bad", "new"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MergeFolders folders;
        folders.write("main", "Balt.lex", letterB(c.main));
        folders.write("second", "Balt.lex", letterB(c.second));
        const std::pair<MergeOperation, bool> runs[] = {{MergeOperation::Add, false},
                                                        {MergeOperation::Add, true},
                                                        {MergeOperation::Difference, false},
                                                        {MergeOperation::NotInMain, false}};
        const Lines* expected[] = {&c.add, &c.addMarked, &c.difference, &c.notInMain};
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(folders.run(runs[i].first, runs[i].second).ok());
            EXPECT_EQ(folders.resultFile("Balt.lex"), letterB(*expected[i])) << "run " << i;
        }
    }
}

TEST(LexiconMergeTest, CommentsFollowTheVisitedHeadwords) {
    MergeFolders folders;
    folders.write("main", "Balt.lex", letterB({".B", "B", ".bad", "poor", ".bok", "book"}));
    folders.write("second", "Balt.lex", letterB({".B", "B", ".bad", "sad", ".bil", "car"}));
    // Every block of a headword counts, empty lines and long blocks whole.
    Lines bok = {".bok"};
    for (int i = 1; i <= 300; ++i) bok.push_back("book note " + std::to_string(i));
    Lines mainCom = {".bad", "note one", "", "after empty"};
    mainCom.insert(mainCom.end(), bok.begin(), bok.end());
    mainCom.insert(mainCom.end(), {".bad", "second block"});
    folders.write("main", "Bcom.lex", letterB(mainCom));
    folders.write("second", "Bcom.lex",
                  letterB({".bad", "note one", "other note", ".bil", "car note", ".bz", "orphan"}));
    const Lines mainAndSecond = {".bad",         "note one",   "",     "after empty",
                                 "second block", "other note", ".bil", "car note"};
    Lines withMainOnly = mainAndSecond;
    withMainOnly.insert(withMainOnly.end(), bok.begin(), bok.end());
    // "Not in main" leaves out the rest of the main file, its comments too.
    const std::pair<MergeOperation, Lines> runs[] = {{MergeOperation::Add, withMainOnly},
                                                     {MergeOperation::Difference, withMainOnly},
                                                     {MergeOperation::NotInMain, mainAndSecond}};
    for (const auto& [operation, expected] : runs) {
        ASSERT_TRUE(folders.run(operation).ok());
        EXPECT_EQ(folders.resultFile("Bcom.lex"), letterB(expected));
    }

    // Without the main alt file the two com files are merged by themselves.
    fs::remove(fs::path(folders.main()) / "Balt.lex");
    fs::remove_all(folders.result());
    fs::create_directories(folders.result());
    const MergeReport report = folders.run(MergeOperation::Add);
    EXPECT_EQ(folders.resultFile("Balt.lex"), kMissing);
    Lines alone = {".bad",         "note one",   "",     "after empty",
                   "second block", "other note", ".bil", "car note"};
    alone.insert(alone.end(), bok.begin(), bok.end());
    alone.insert(alone.end(), {".bz", "orphan"});
    EXPECT_EQ(folders.resultFile("Bcom.lex"), letterB(alone));
    EXPECT_NE(std::find(report.messages.begin(), report.messages.end(),
                        "Filen: " + folders.main() + "/Balt.lex finns inte"),
              report.messages.end());
}

// Which files a letter gets when some of its input files are missing.
TEST(LexiconMergeTest, LettersWithMissingFiles) {
    const std::string longLine(300, 'x');
    const std::string mainAlt =
        TestFolder::crlf({".B", "B", ".bad  ", longLine}) + kEndB + "after the end\r\n";
    const std::string mainAltCopy =
        TestFolder::crlf({".B", "B", ".bad  ", longLine.substr(0, 255)}) + kEndB +
        "after the end\r\n";
    const std::string comWithLong = TestFolder::crlf({".bad", longLine}) + kEndB;
    const std::string comCopy = TestFolder::crlf({".bad", longLine.substr(0, 250)}) + kEndB;
    struct Case {
        const char* name;
        std::map<std::string, std::string> mainFiles, secondFiles;
        MergeOperation operation;
        std::map<std::string, std::string> result;
        std::string message;  // one of the messages, when not empty
    };
    const std::string second = letterB({".B", "B", ".bo", "x"});
    const Case cases[] = {
        {"neither \xDC nor digit files are merged; no com files give an empty one",
         {{"Balt.lex", letterB({".B", "B"})},
          {"\xC3\x9C"
           "alt.lex",
           second},
          {"1alt.lex", second}},
         {{"Balt.lex", second},
          {"\xC3\x9C"
           "alt.lex",
           second},
          {"1alt.lex", second}},
         MergeOperation::Add,
         {{"Balt.lex", second}, {"Bcom.lex", ""}},
         ""},
        {"without the second alt file the main one is copied",
         {{"Balt.lex", mainAlt}},
         {},
         MergeOperation::Difference,
         {{"Balt.lex", mainAltCopy}},
         "/second/Balt.lex finns inte"},
        {"not in main copies nothing; a lone com file is copied",
         {{"Balt.lex", mainAlt}},
         {{"Bcom.lex", comWithLong}},
         MergeOperation::NotInMain,
         {{"Bcom.lex", comCopy}},
         "/second/Balt.lex finns inte"},
        {"a main alt file without a headword line counts as missing",
         {{"Balt.lex", "no headword\r\n  .indented\r\n"}},
         {{"Balt.lex", second}},
         MergeOperation::Add,
         {},
         "/main/Balt.lex har inget uppslagsord"},
        {"a lone com file is copied beside a merged alt file",
         {{"Balt.lex", second}, {"Bcom.lex", comWithLong}},
         {{"Balt.lex", second}},
         MergeOperation::Add,
         {{"Balt.lex", second}, {"Bcom.lex", comCopy}},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MergeFolders folders;
        for (const auto& [name, bytes] : c.mainFiles) folders.write("main", name, bytes);
        for (const auto& [name, bytes] : c.secondFiles) folders.write("second", name, bytes);
        const MergeReport report = folders.run(c.operation);
        EXPECT_TRUE(report.ok()) << report.error;
        EXPECT_EQ(TestFolder::filesIn(folders.result()), c.result);
        // Every other letter misses both alt files.
        EXPECT_EQ(report.messages.front(), "Filen: " + folders.main() + "/Aalt.lex finns inte");
        if (!c.message.empty()) {
            const auto hit = std::find_if(report.messages.begin(), report.messages.end(),
                                          [&](const std::string& message) {
                                              return message.find(c.message) != std::string::npos;
                                          });
            EXPECT_NE(hit, report.messages.end()) << c.message;
        }
    }
}

// Damaged letter files: the run finishes, the inputs stay as they were and
// what can be read is merged.
TEST(LexiconMergeTest, BadInputFiles) {
    const std::string secondAlt = letterB({".B", "B", ".bil", "car"});
    const std::string binary("\0\x01\xFF\x80\r\n\xFF\xFF\r\n\0", 11);
    struct Case {
        const char* name;
        std::string mainAlt;
        std::string expectedAdd;  // the result alt file of an addition
    };
    const Case cases[] = {
        {"no sentinel", ".B\r\nB\r\n.bad\r\npoor",
         letterB({".B", "B", ".bad", "poor", ".bil", "car"})},
        {"CR-only line ends", ".B\rB\r.bad\rpoor\r.b\xFF\xFF\xFF\rFilslutsindikering\r",
         letterB({".B", "B", ".bad", "poor", ".bil", "car"})},
        {"a line of 64 KB", ".B\r\nB\r\n.bad\r\n" + std::string(65536, 'p') + "\r\n" + kEndB,
         letterB({".B", "B", ".bad", std::string(255, 'p'), ".bil", "car"})},
        {"binary bytes before the first headword", binary + "\r\n.B\r\nB\r\n" + binary,
         letterB({".B", "B", "\xFF\xFF", ".bil", "car"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MergeFolders folders;
        folders.write("main", "Balt.lex", c.mainAlt);
        folders.write("second", "Balt.lex", secondAlt);
        folders.write("second", "Bcom.lex", c.mainAlt);
        for (MergeOperation operation :
             {MergeOperation::Difference, MergeOperation::NotInMain, MergeOperation::Add}) {
            EXPECT_TRUE(folders.run(operation).ok());
        }
        EXPECT_EQ(folders.resultFile("Balt.lex"), c.expectedAdd);
        EXPECT_EQ(TestFolder::read(fs::path(folders.main()) / "Balt.lex"), c.mainAlt);
        EXPECT_EQ(TestFolder::read(fs::path(folders.second()) / "Balt.lex"), secondAlt);
    }
}

TEST(LexiconMergeTest, UnwritableOrRefusedDestinations) {
    MergeFolders folders;
    const std::string mainAlt = letterB({".B", "B", ".bad", "poor"});
    folders.write("main", "Balt.lex", mainAlt);
    folders.write("main", "Bcom.lex", letterB({".bad", "note"}));
    folders.write("second", "Balt.lex", mainAlt);
    // A folder in the way of the result alt file: the run stops there and
    // leaves no partial file behind.
    fs::create_directories(fs::path(folders.result()) / "Balt.lex");
    MergeReport report = folders.run(MergeOperation::Add);
    EXPECT_NE(report.error.find("Balt.lex"), std::string::npos) << report.error;
    EXPECT_EQ(TestFolder::namesIn(folders.result()),
              (std::set<std::string>{".vernik.lock", "Balt.lex"}));

    // The result folder may not be one of the inputs, nor missing.
    for (const std::string& result :
         {folders.main(), folders.second() + "/", (folders.root / "none").string()}) {
        report = runMerge({.operation = MergeOperation::Add,
                           .mainFolder = folders.main(),
                           .secondFolder = folders.second(),
                           .resultFolder = result});
        EXPECT_FALSE(report.ok()) << result;
    }
    // An empty folder name stands for the current folder: it is no way round
    // the check, and an empty result folder is refused rather than written.
    const fs::path previous = fs::current_path();
    fs::current_path(folders.main());
    for (const auto& [main, result] :
         {std::pair<std::string, std::string>{"", "."}, {folders.main(), ""}}) {
        report = runMerge({.operation = MergeOperation::Add,
                           .mainFolder = main,
                           .secondFolder = folders.second(),
                           .resultFolder = result});
        EXPECT_FALSE(report.ok()) << '"' << main << "\" into \"" << result << '"';
    }
    fs::current_path(previous);
    EXPECT_EQ(TestFolder::namesIn(folders.main()), (std::set<std::string>{"Balt.lex", "Bcom.lex"}));
    EXPECT_EQ(TestFolder::read(fs::path(folders.main()) / "Balt.lex"), mainAlt);
}

}  // namespace
}  // namespace vernik
