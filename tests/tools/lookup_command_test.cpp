#include <gtest/gtest.h>

#include "run_tool.h"
#include "test_folder.h"

namespace {

const std::string kSentinelB = ".b\xFF\xFF\xFF";

class LookupCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lexicon.writeLines("Balt.lex", {".B", "B", ".bad", "d\xE5lig", "usel", ".bada", "bathe",
                                        kSentinelB, "Filslutsindikering"});
        lexicon.writeLines("Bcom.lex", {".B", ".bad",
                                        "om v\xE4"
                                        "der",
                                        kSentinelB, "F"});
        lexicon.writeLines(
            "\xC3\x85"
            "alt.lex",
            {".\xC5", "\xC5", ".\xE5sna", "donkey", ".\xE5\xFF\xFF\xFF", "F"});
    }
    TestFolder lexicon;
};

TEST_F(LookupCommandTest, PrintsHeadwordAlternativesAndCommentsOfEachWord) {
    const auto run = runVernikLex({"lookup", lexicon.str(), "bad,", "\xC3\xA5sna", "bac"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              ".bad\n  d\xC3\xA5lig\n  usel\n# om v\xC3\xA4"
              "der\n"
              "\n.\xC3\xA5sna\n  donkey\n"
              "\n.B\n  B\n");
}

TEST_F(LookupCommandTest, RawWritesTheStoredBytes) {
    const auto run = runVernikLex({"lookup", "--raw", lexicon.str(), "bad"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              ".bad\n  d\xE5lig\n  usel\n# om v\xE4"
              "der\n");
}

TEST_F(LookupCommandTest, MissingLetterFileIsReportedAfterTheOtherWords) {
    const auto run = runVernikLex({"lookup", lexicon.str(), "zebra", "bad"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vernik-lex: no letter file " + lexicon.str() + "/Zalt.lex\n");
    EXPECT_NE(run.out.find(".bad\n"), std::string::npos);
}

TEST(ListSearchCommand, PrintsWhatTheCommentBoxShows) {
    TestFolder dir;
    const auto list = dir.writeLines("Alist.lex", {"zero line long enough", "first line long",
                                                   "an apple line that is long", "b\xE5t"});
    auto run = runVernikLex({"list-search", list.string(), "apple"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ".an apple line that is long\n__________________\n");
    run = runVernikLex({"list-search", "--previous", list.string(), "apple"});
    EXPECT_EQ(run.out,
              "zero line long enough\nfirst line long\n.an apple line that is long\n"
              "__________________\n");
    run = runVernikLex({"list-search", list.string(), "b\xC3\xA5t"});  // UTF-8 in and out
    EXPECT_EQ(run.out, ".b\xC3\xA5t\n__________________\n");
    EXPECT_EQ(runVernikLex({"list-search", (dir / "none").string(), "apple"}).status, 1);
}

TEST(VernikLexCommand, HelpListsEveryCommandAndBadUsageFails) {
    const auto help = runVernikLex({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command :
         {"lookup [--raw] FOLDER WORD", "import-dictd BASE OUTDIR",
          "list-search [--previous] LISTFILE WORD", "change FOLDER WORD [ALT1 [ALT2 [ALT3]]]"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    EXPECT_EQ(runVernikLex({"lookup", "onlyfolder"}).status, 2);
    EXPECT_EQ(runVernikLex({"no-such-command"}).status, 2);
}

}  // namespace
