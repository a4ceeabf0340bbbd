#include "maintenance/comment_rewrite.h"

#include <gtest/gtest.h>

#include "maintenance/comment_target.h"
#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kSentinelA = ".a\xFF\xFF\xFF";

struct RewriteCase {
    const char* name;
    Lines source;
    std::string headword;
    Lines comments;
    CommentEdit edit;
    Lines expected;
    bool insertedInstead = false;
};

TEST(CommentRewriteTest, PlacesAndReplacesBlocks) {
    const Lines azFile = {".A",     "A",      ".abbot", "munk",     ".azalea",
                          "blomma", ".azure", "bl\xE5", kSentinelA, "F"};
    const RewriteCase cases[] = {
        {"plain byte order puts Azalea in front of the small letters",
         azFile,
         ".Azalea",
         {"stor"},
         CommentEdit::Insert,
         {".A", "A", ".Azalea", "stor", ".abbot", "munk", ".azalea", "blomma", ".azure", "bl\xE5",
          kSentinelA, "F"}},
        {"a second block goes behind the first",
         azFile,
         ".azalea",
         {"mer"},
         CommentEdit::Insert,
         {".A", "A", ".abbot", "munk", ".azalea", "blomma", ".azalea", "mer", ".azure", "bl\xE5",
          kSentinelA, "F"}},
        {"a headword sorting after every other stops at the sentinel",
         azFile,
         ".azz",
         {"x"},
         CommentEdit::Insert,
         {".A", "A", ".abbot", "munk", ".azalea", "blomma", ".azure", "bl\xE5", ".azz", "x",
          kSentinelA, "F"}},
        {"an upper-case sentinel stops the scan for a small-letter headword",
         {".Q", "Q", ".Q\xFF\xFF\xFF", "Q\xFF\xFF\xFF"},
         ".qua",
         {"kvant"},
         CommentEdit::Insert,
         {".Q", "Q", ".qua", "kvant", ".Q\xFF\xFF\xFF", "Q\xFF\xFF\xFF"}},
        {"a file without a sentinel gets the block after its last line",
         {".b", "b", ".bad", "bada"},
         ".bus",
         {"buss"},
         CommentEdit::Insert,
         {".b", "b", ".bad", "bada", ".bus", "buss"}},
        {"replacing changes only the first block",
         {".P", "P", ".prov", "gammal", "rad", ".prov", "andra", ".p\xFF\xFF\xFF", "F"},
         ".prov",
         {"ny"},
         CommentEdit::Replace,
         {".P", "P", ".prov", "ny", ".prov", "andra", ".p\xFF\xFF\xFF", "F"}},
        {"replacing with an emptied box leaves the headword without comments",
         {".P", "P", ".prov", "gammal", ".p\xFF\xFF\xFF", "F"},
         ".prov",
         {},
         CommentEdit::Replace,
         {".P", "P", ".prov", ".p\xFF\xFF\xFF", "F"}},
        {"replacing a headword the file lacks inserts the block",
         {".P", "P", ".prov", "gammal", ".p\xFF\xFF\xFF", "F"},
         ".pr",
         {"kort"},
         CommentEdit::Replace,
         {".P", "P", ".pr", "kort", ".prov", "gammal", ".p\xFF\xFF\xFF", "F"},
         true},
    };
    for (const auto& c : cases) {
        const CommentRewrite result = rewriteCommentLines(c.source, c.headword, c.comments, c.edit);
        EXPECT_EQ(result.lines, c.expected) << c.name;
        EXPECT_EQ(result.insertedInstead, c.insertedInstead) << c.name;
    }
}

TEST(CommentRewriteTest, BoxLinesEndAtTheFirstEmptyLine) {
    EXPECT_EQ(commentBoxLines({"ett", "", "tv\xE5"}), Lines{"ett"});
    EXPECT_EQ(commentBoxLines({"", "tv\xE5"}), Lines{});
    EXPECT_EQ(commentBoxLines({"ett", "tv\xE5"}), (Lines{"ett", "tv\xE5"}));
}

class CommentFileTest : public ::testing::Test {
  protected:
    void TearDown() override { fs::permissions(dir.path(), fs::perms::owner_all); }
    TestFolder dir;
};

TEST_F(CommentFileTest, FirstCommentCreatesTheComFileAndLongLinesStayWhole) {
    const std::string longLine(300, 'x');
    const auto result =
        writeCommentBlock(dir / "Pcom.lex", ".prov",
                          commentBoxLines({"f\xF6rst", longLine, "", "bort"}), CommentEdit::Insert);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.created);
    EXPECT_EQ(TestFolder::read(dir / "Pcom.lex"),
              TestFolder::crlf(
                  {".p", "p", ".prov", "f\xF6rst", longLine, ".p\xFF\xFF\xFF", "p\xFF\xFF\xFF"}));
    EXPECT_EQ(TestFolder::namesIn(dir.path()), (std::set<std::string>{".vernik.lock", "Pcom.lex"}));

    // The next rewrite keeps the long line as it is.
    ASSERT_TRUE(writeCommentBlock(dir / "Pcom.lex", ".prov", {"ny"}, CommentEdit::Replace).ok());
    EXPECT_EQ(TestFolder::read(dir / "Pcom.lex"),
              TestFolder::crlf({".p", "p", ".prov", "ny", ".p\xFF\xFF\xFF", "p\xFF\xFF\xFF"}));
}

TEST_F(CommentFileTest, BadComFilesAreLeftWhole) {
    const std::string binary = std::string(".P\r\n\0\x01\x02", 7);
    const std::string text = TestFolder::crlf({".P", "P", ".prov", "gammal"});
    struct Case {
        const char* name;
        std::string bytes;
        fs::perms fileMode;
        CommentFailure failure;
    };
    const Case cases[] = {
        {"NUL bytes", binary, fs::perms::owner_read | fs::perms::owner_write,
         CommentFailure::NotAComFile},
        {"read-only", text, fs::perms::owner_read, CommentFailure::WriteProtected},
    };
    for (const auto& c : cases) {
        const fs::path file = dir.write("Pcom.lex", c.bytes);
        fs::permissions(file, c.fileMode);
        const auto result = writeCommentBlock(file, ".prov", {"ny"}, CommentEdit::Replace);
        EXPECT_EQ(result.failure, c.failure) << c.name;
        EXPECT_FALSE(commentOutcomeText(result).empty()) << c.name;
        EXPECT_EQ(TestFolder::read(file), c.bytes) << c.name;
        fs::permissions(file, fs::perms::owner_all);
    }

    // A folder that cannot be written keeps the com file as it was.
    const fs::path file = dir.write("Pcom.lex", text);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto result = writeCommentBlock(file, ".prov", {"ny"}, CommentEdit::Replace);
    EXPECT_EQ(result.failure, CommentFailure::WriteProtected);
    EXPECT_EQ(TestFolder::read(file), text);
}

TEST_F(CommentFileTest, CommentsOfTheShownHeadwordGoToTheMainLexicon) {
    const std::string main = (dir / "sven").string();
    dir.writeLines("sven/Palt.lex", {".P", "P", ".prov", "test", ".p\xFF\xFF\xFF", "F"});
    dir.writeLines("sven/Pcom.lex", {".P", "P", ".prov", "gammal", ".p\xFF\xFF\xFF", "F"});
    dir.writeLines("svena/Palt.lex", {".P", "P", ".prova", "try", ".p\xFF\xFF\xFF", "F"});
    dir.writeLines("svena/Pcom.lex", {".P", "P", ".p\xFF\xFF\xFF", "F"});

    const auto target = lookUpCommentTarget(main, "prov");
    ASSERT_TRUE(target);
    EXPECT_EQ(target->headword, ".prov");
    EXPECT_EQ(target->comFile, dir / "sven/Pcom.lex");
    EXPECT_EQ(target->offered(), CommentEdit::Replace);
    EXPECT_FALSE(lookUpCommentTarget(main, "zebra"));  // no letter file of Z
}

}  // namespace
}  // namespace vernik
