#include <gtest/gtest.h>

#include <string>

#include "run_tool.h"
#include "test_folder.h"

namespace {

class LexiconToolsCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lexicon.writeLines("Aalt.lex", {".A", "A", ".a\xFF\xFF\xFF", "F"});
        lexicon.writeLines("Balt.lex", {".B", "B", ".bok",
                                        "\xA4"
                                        "book",
                                        ".b\xFF\xFF\xFF", "F"});
        lexicon.writeLines("Halt.lex", {".H", "H", ".han", "he", ".h\xFF\xFF\xFF", "F"});
    }
    TestFolder lexicon;
    TestFolder files;
};

TEST_F(LexiconToolsCommandTest, ReportsInUtf8) {
    const auto text = files.write("text.txt", "Han l\xC3\xA4ste boken\n");
    auto run = runVernikLex({"check-text", text.string(), lexicon.str()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "l\xC3\xA4ste\nboken\n");

    run = runVernikLex({"count", lexicon.str()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("B  Uppslagsord     3   Utord    3\n"), std::string::npos);
    EXPECT_NE(run.out.find("\xC3\x85  Uppslagsord     0   Utord    0\n"), std::string::npos);

    run = runVernikLex({"new-words", lexicon.str()});
    EXPECT_EQ(run.out,
              ".bok    / \xC2\xA4"
              "book\n");
}

TEST_F(LexiconToolsCommandTest, CommentAddsThenReplaces) {
    auto run = runVernikLex({"comment", lexicon.str(), "bok", "f\xC3\xB6rsta", "", "bort"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "L\xC3\xA4gg in kommentarer: .bok\n");
    run = runVernikLex({"comment", lexicon.str(), "bok", "andra"});
    EXPECT_EQ(run.out, "Byt ut kommentarer: .bok\n");
    EXPECT_EQ(TestFolder::read(lexicon / "Bcom.lex"),
              TestFolder::crlf({".b", "b", ".bok", "andra", ".b\xFF\xFF\xFF", "b\xFF\xFF\xFF"}));
}

TEST_F(LexiconToolsCommandTest, ClearMarksKeepsBackups) {
    auto run = runVernikLex({"clear-marks", lexicon.str(), "--also-comments"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TestFolder::read(lexicon / "Balt.lex"),
              TestFolder::crlf({".B", "B", ".bok", "book", ".b\xFF\xFF\xFF", "F"}));
    EXPECT_NE(TestFolder::read(lexicon / "Balt.bak")
                  .find("\xA4"
                        "book"),
              std::string::npos);
}

TEST_F(LexiconToolsCommandTest, BadInputGivesAMessage) {
    const auto nul = files.write("nul.txt", std::string("a\0b", 3));
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"check-text", nul.string(), lexicon.str()}, "NUL"},
        {{"check-text", files.str(), lexicon.str()}, "mapp"},
        {{"check-text", (files / "none").string(), lexicon.str()}, "finns inte"},
        {{"count", (files / "none").string()}, "Aalt.lex is missing"},
        {{"new-words", files.str()}, "Aalt.lex is missing"},
        {{"comment", lexicon.str(), "zebra", "x"}, "no letter file"},
    };
    for (const auto& c : cases) {
        const auto run = runVernikLex(c.args);
        EXPECT_EQ(run.status, 1) << c.args[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args[0] << ": " << run.err;
    }
}

}  // namespace
