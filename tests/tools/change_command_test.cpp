#include <sys/resource.h>

#include <gtest/gtest.h>

#include <string>

#include "run_tool.h"
#include "test_folder.h"

namespace {

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
    EXPECT_EQ(lookup("bad"), ".bad\n  d\xC3\xA5lig\n  \xC2\xA4poor\n");
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

    EXPECT_EQ(change({"bok", "\xE2\x82\xAC", "\xCE\xBB"}).status, 2);  // λ has no 1252 form
    EXPECT_EQ(change({}).status, 2);
}

// A file-size limit ends a process that writes past it, unless the process
// ignores the signal: the tool must, and report the failed change.
TEST_F(ChangeCommandTest, AFileSizeLimitFailsTheChangeAndLosesNoEntry) {
    ASSERT_EQ(change({"bad", "poor"}).status, 0);
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
    const ToolRun run = change({"bok", "book"});
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
