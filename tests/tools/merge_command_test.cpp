#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "run_tool.h"
#include "test_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kEndB = ".b\xFF\xFF\xFF\r\nFilslutsindikering\r\n";
const std::string kEndAring = ".\xE5\xFF\xFF\xFF\r\nFilslutsindikering\r\n";
const std::string kAringAlt =
    "\xC3\x85"
    "alt.lex";  // Åalt.lex in UTF-8

class MergeCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root.write("main/Balt.lex", ".B\r\nB\r\n.bad\r\npoor\r\n" + kEndB);
        root.write("second/Balt.lex", ".B\r\nB\r\n.bad\r\nsad\r\n.bil\r\ncar\r\n" + kEndB);
        root.write("main/" + kAringAlt, ".\xC5\r\n\xC5\r\n" + kEndAring);
        root.write("second/" + kAringAlt, ".\xC5\r\n\xC5\r\n.\xE5l\r\neel\r\n" + kEndAring);
    }
    std::string folder(const std::string& name) const { return (root / name).string(); }
    std::string result(const std::string& name) const {
        return TestFolder::read(root / "out/new" / name);
    }

    TestFolder root;
};

TEST_F(MergeCommandTest, EachOperationWritesItsLetterFiles) {
    struct Case {
        std::vector<std::string> args;
        std::string firstMessage;
        std::string balt;
        std::string aringAlt;
    };
    const Case cases[] = {
        {{"add", "--mark-new"},
         "Lexikonaddition p\xC3\xA5g\xC3\xA5r",
         ".B\r\nB\r\n.bad\r\npoor\r\n\xA4sad\r\n.bil\r\n\xA4"
         "car\r\n" +
             kEndB,
         ".\xC5\r\n\xC5\r\n.\xE5l\r\n\xA4"
         "eel\r\n" +
             kEndAring},
        {{"difference"},
         "Lexikonsubtraktion p\xC3\xA5g\xC3\xA5r",
         ".bad\r\nsad\r\n.bil\r\ncar\r\n" + kEndB,
         ".\xE5l\r\neel\r\n" + kEndAring},
        {{"not-in-main"},
         "Uttag av poster som ej ing\xC3\xA5r i huvudlexikon",
         ".bad\r\nsad\r\n.bil\r\ncar\r\n" + kEndB,
         ".\xE5l\r\neel\r\n" + kEndAring},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        fs::remove_all(root / "out");
        std::vector<std::string> args = {c.args.front(), folder("main"), folder("second"),
                                         folder("out/new")};  // OUTDIR is created
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const ToolRun run = runVernikLex(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(result("Balt.lex"), c.balt);
        EXPECT_EQ(result(kAringAlt), c.aringAlt);
        EXPECT_EQ(result("Bcom.lex"), "");
        // The running text, then both missing alt files of the 27 other letters.
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstMessage);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1 + 27 * 2);
        EXPECT_NE(run.err.find("Filen: " + folder("second") +
                               "/\xC3\x96"
                               "alt.lex finns inte\n"),
                  std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(MergeCommandTest, RefusalsAndFailures) {
    const std::string mainBalt = TestFolder::read(root / "main/Balt.lex");
    root.write("file", "x");
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"add", folder("main"), folder("second"), folder("main")},
         1},  // it would read what it writes
        {{"difference", folder("main"), folder("second"), folder("second") + "/"}, 1},
        {{"add", folder("main"), folder("second"), folder("file")}, 1},
        {{"add", folder("main"), folder("second"), folder("file") + "/sub"}, 1},
        {{"add", folder("main"), folder("second")}, 2},
        {{"difference", folder("main"), folder("second"), folder("out"), "--mark-new"}, 2},
    };
    for (const Case& c : cases) {
        const ToolRun run = runVernikLex(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(TestFolder::namesIn(root / "main"), (std::set<std::string>{"Balt.lex", kAringAlt}));
    EXPECT_EQ(TestFolder::read(root / "main/Balt.lex"), mainBalt);
    EXPECT_FALSE(fs::exists(root / "out"));
}

}  // namespace
