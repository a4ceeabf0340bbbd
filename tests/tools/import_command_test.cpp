#include <gtest/gtest.h>

#include <string>

#include "dictd_files.h"
#include "run_tool.h"
#include "test_folder.h"

namespace {

namespace fs = std::filesystem;

class ImportCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        base = writeDictd(dir, "sven",
                          {{"00databaseutf8", "\n"},
                           {"äpple", "äpple /ˈɛpːlɛ/\napple; pome (fruit, tree)\n"},
                           {"bok", "bok\n1. book\n2. beech\n"},
                           {"λ", "λ\nlambda\n"}});
        target = dir / "lexicon";
    }

    TestFolder dir;
    fs::path base;
    fs::path target;
};

TEST_F(ImportCommandTest, ImportsOnceThenRefusesTheFilledFolder) {
    const ToolRun first = runVernikLex({"import-dictd", base.string(), target.string()});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "vernik-lex: imported 2 entries into " + target.string() +
                             "; skipped 1 header entries, 1 without a Windows-1252 form, 0 "
                             "without a letter file; merged 0 duplicates; dropped 0 characters "
                             "of alternatives without a Windows-1252 form\n");
    EXPECT_EQ(first.err, "");
    EXPECT_TRUE(fs::exists(target / "Äalt.lex"));
    EXPECT_TRUE(fs::exists(target / "9com.lex"));

    const ToolRun second = runVernikLex({"import-dictd", base.string(), target.string()});
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(second.err, "vernik-lex: " + target.string() + ": already exists and is not empty\n");
}

TEST_F(ImportCommandTest, FailuresAndWrongUsageHaveTheirExitStatus) {
    const ToolRun missing =
        runVernikLex({"import-dictd", (dir / "nothing").string(), target.string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "vernik-lex: " + (dir / "nothing.index").string() + ": no such file\n");
    EXPECT_FALSE(fs::exists(target));

    const std::vector<std::vector<std::string>> wrongUsages = {
        {"import-dictd"}, {"import-dictd", base.string()}, {"import-dictd", "a", "b", "c"}};
    for (const auto& arguments : wrongUsages) {
        const ToolRun usage = runVernikLex(arguments);
        EXPECT_EQ(usage.status, 2) << arguments.size() << " arguments";
        EXPECT_EQ(usage.err, "usage: vernik-lex import-dictd BASE OUTDIR\n");
    }
}

}  // namespace
