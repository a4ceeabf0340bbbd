#include <sys/resource.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_tool.h"
#include "test_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kLetterB =
    ".B\r\nB\r\n.bad\r\nd\xE5lig\r\n.b\xFF\xFF\xFF\r\nFilslutsindikering\r\n";

class ChangeCommandTest : public ::testing::Test {
  protected:
    void SetUp() override { lexicon.write("Balt.lex", kLetterB); }

    ToolRun change(const std::vector<std::string>& words) {
        std::vector<std::string> args = {"change", lexicon.str()};
        args.insert(args.end(), words.begin(), words.end());
        return runVernikLex(args);
    }
    std::string lookup(const std::string& word) {
        return runVernikLex({"lookup", lexicon.str(), word}).out;
    }

    TestFolder lexicon;
};

TEST_F(ChangeCommandTest, ChangesShowInTheNextLookup) {
    auto run = change({"bok", "book",
                       "b\xC3\xB6"
                       "cker"});  // UTF-8 in and out
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Nytt uppslagsord .bok\n");
    EXPECT_EQ(lookup("bok"),
              ".bok\n  \xC2\xA4"
              "book\n  \xC2\xA4"
              "b\xC3\xB6"
              "cker\n");
    EXPECT_EQ(TestFolder::read(lexicon / "Balt.bak"), kLetterB);

    run = change({"bad", "poor"});
    EXPECT_EQ(run.out, "Uppslagsordet fanns. Tillagt: poor\n");
    run = change({"bad", "1poor"});
    EXPECT_EQ(run.out, "Uppslagsordet fanns. Placerat: poor\n");
    EXPECT_EQ(lookup("bad"), ".bad\n  poor\n  d\xC3\xA5lig\n");
    run = change({"bad", "0d\xC3\xA5lig"});
    EXPECT_EQ(run.out, "Borttaget: d\xC3\xA5lig\n");
    EXPECT_EQ(lookup("bad"), ".bad\n  poor\n");

    // A one-character word leaves the file as it was and prints nothing.
    run = change({"b", "x"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(ChangeCommandTest, FailuresExitWithOne) {
    auto run = change({"zebra", "x"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vernik-lex: no letter file " + lexicon.str() + "/Zalt.lex\n");
    // A word whose letter would name a file outside the folder has none.
    for (const std::string word : {"/etc", "\\x"}) {
        run = change({word, "x"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "vernik-lex: no letter file for " + word + "\n");
        run = runVernikLex({"lookup", lexicon.str(), word});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "vernik-lex: no letter file for " + word + "\n");
    }

    fs::permissions(lexicon / "Balt.lex", fs::perms::owner_read);
    run = change({"bok", "book"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "vernik-lex: \xC3\x84ndringen gjordes inte: bokstavsfilen \xC3\xA4r skrivskyddad: "
              "Balt.lex\n");
    EXPECT_EQ(TestFolder::read(lexicon / "Balt.lex"), kLetterB);
    EXPECT_FALSE(fs::exists(lexicon / "Balt.bak"));

    EXPECT_EQ(change({"bok", "\xE2\x82\xAC", "\xCE\xBB"}).status, 2);  // λ has no 1252 form
    EXPECT_EQ(change({}).status, 2);
    EXPECT_NE(runVernikLex({"--help"}).out.find("change FOLDER WORD [ALT1 [ALT2 [ALT3]]]"),
              std::string::npos);
}

// What other systems and earlier failures leave: a letter file with CR line
// ends, a letter file missing beside its backup, a file-size limit.
TEST_F(ChangeCommandTest, DamagedOrLimitedSurroundingsLoseNoEntry) {
    std::string crOnly = kLetterB;
    std::erase(crOnly, '\n');
    lexicon.write("Balt.lex", crOnly);
    auto run = change({"bok", "book"});
    EXPECT_EQ(run.out, "Nytt uppslagsord .bok\n");
    EXPECT_EQ(TestFolder::read(lexicon / "Balt.lex"),
              ".B\r\nB\r\n.bad\r\nd\xE5lig\r\n.bok\r\n\xA4"
              "book\r\n.b\xFF\xFF\xFF\r\nFilslutsindikering\r\n");

    fs::remove(lexicon / "Balt.lex");
    run = change({"bad", "poor"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "Uppslagsordet fanns. Tillagt: poor (Balt.lex saknades och \xC3\xA5terst\xC3\xA4lldes "
        "fr\xC3\xA5n Balt.bak)\n");

    // The limit is inherited by the tool, with the default action of the
    // signal it raises: ending the process unless the tool ignores it.
    const std::string backup = TestFolder::read(lexicon / "Balt.bak");
    std::string big = kLetterB;
    for (int i = 0; i < 100; ++i)
        big.insert(big.find(".b\xFF"), ".bo" + std::to_string(i) + "\r\nx\r\n");
    lexicon.write("Balt.lex", big);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = big.size();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    run = change({"bok", "book"});
    ::setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.err.starts_with("vernik-lex: \xC3\x84ndringen gjordes inte: Balt.lex kunde inte "
                            "skrivas ("))
        << run.err;
    EXPECT_EQ(TestFolder::read(lexicon / "Balt.lex"), big);
    EXPECT_EQ(TestFolder::read(lexicon / "Balt.bak"), backup);
}

}  // namespace
