#include <gtest/gtest.h>

#include <string>

#include "run_tool.h"
#include "test_folder.h"

namespace {

// The word-list commands end to end: UTF-8 on the command line and standard
// output, Windows-1252 and CR LF in the files.
class WordListCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.writeLines("sv/Palt.lex", {".P", "P", ".prov", "test", "the test", "s\xE5g",
                                          ".p\xFF\xFF\xFF", "F"});
    }
    TestFolder folder;
};

TEST_F(WordListCommandsTest, ReverseAndToListPrintTheSourceAsAWordList) {
    auto run =
        runVernikLex({"reverse", folder.str() + "/sv", folder.str() + "/en", "--exclude", "the"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              ".P      /P\n.prov      /test/s\xC3\xA5g\n.p\xC3\xBF\xC3\xBF\xC3\xBF      /F\n");
    EXPECT_EQ(TestFolder::read(folder / "en/Talt.lex"),
              ".T\r\nT\r\n.test\r\nprov\r\n.t\xFF\xFF\xFF\r\nFilslutsindikering\r\n");
    EXPECT_EQ(TestFolder::read(folder / "en/Talt.bak"),
              ".T\r\nT\r\n.t\xFF\xFF\xFF\r\nFilslutsindikering\r\n");

    run = runVernikLex({"to-list", folder.str() + "/sv"});
    EXPECT_EQ(run.out,
              ".prov      /test/the test/s\xC3\xA5g\n.p\xC3\xBF\xC3\xBF\xC3\xBF      /F\n");

    run = runVernikLex({"reverse", folder.str() + "/sv", folder.str() + "/sv"});
    EXPECT_EQ(run.status, 1);
    run = runVernikLex({"reverse", "a", "b", "--exclude"});
    EXPECT_EQ(run.status, 2);
}

TEST_F(WordListCommandsTest, InsertedLinesAreFoundByNewListWords) {
    folder.write("list.txt", "prov /test/exam\nsill /herring\n");
    auto run = runVernikLex({"new-list-words", folder.str() + "/list.txt", folder.str() + "/sv"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "prov         /exam\nsill /herring\n");

    run = runVernikLex(
        {"insert-list", folder.str() + "/list.txt", folder.str() + "/sv", "--mark-new"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TestFolder::read(folder / "sv/Palt.lex"),
              ".P\r\nP\r\n.prov\r\ntest\r\nthe test\r\ns\xE5g\r\n\xA4"
              "exam\r\n.p\xFF\xFF\xFF\r\nF\r\n");
    run = runVernikLex({"new-list-words", folder.str() + "/list.txt", folder.str() + "/sv"});
    // The inserted alternatives carry the new-word mark, so they still count as new.
    EXPECT_EQ(run.out, "prov         /exam\nsill         /herring\n");

    run = runVernikLex({"insert-list", folder.str() + "/none.txt", folder.str() + "/sv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "K\xC3\xA4llfilen finns inte\n");
}

}  // namespace
