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

TEST(VernikLexCommand, HelpListsEveryCommandAndBadUsageFails) {
    const auto help = runVernikLex({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"lookup [--raw] FOLDER WORD", "import-dictd BASE OUTDIR"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    EXPECT_EQ(runVernikLex({"lookup", "onlyfolder"}).status, 2);
    EXPECT_EQ(runVernikLex({"no-such-command"}).status, 2);
}

}  // namespace
