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

// What each operation writes is the merge engine's; here one addition end to
// end (UTF-8 file names, Windows-1252 bytes, OUTDIR created) and each command
// name reaching its operation, as its running text shows.
TEST_F(MergeCommandTest, EachCommandRunsItsOperation) {
    const std::pair<const char*, std::string> cases[] = {
        {"difference", "Lexikonsubtraktion p\xC3\xA5g\xC3\xA5r"},
        {"not-in-main", "Uttag av poster som ej ing\xC3\xA5r i huvudlexikon"},
        {"add", "Lexikonaddition p\xC3\xA5g\xC3\xA5r"},  // last: its files are checked
    };
    for (const auto& [command, firstMessage] : cases) {
        SCOPED_TRACE(command);
        fs::remove_all(root / "out");
        std::vector<std::string> args = {command, folder("main"), folder("second"),
                                         folder("out/new")};
        if (std::string(command) == "add") args.push_back("--mark-new");
        const ToolRun run = runVernikLex(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), firstMessage);
        // The running text, then both missing alt files of the 27 other letters.
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1 + 27 * 2);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(result("Balt.lex"),
              ".B\r\nB\r\n.bad\r\npoor\r\n\xA4sad\r\n.bil\r\n\xA4"
              "car\r\n" +
                  kEndB);
    EXPECT_EQ(result(kAringAlt),
              ".\xC5\r\n\xC5\r\n.\xE5l\r\n\xA4"
              "eel\r\n" +
                  kEndAring);
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
