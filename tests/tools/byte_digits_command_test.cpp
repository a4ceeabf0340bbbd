#include <gtest/gtest.h>

#include <string>

#include "run_tool.h"
#include "test_folder.h"

namespace {

TEST(ByteDigitsCommands, AFileGoesToDigitsAndBack) {
    TestFolder root;
    std::string bytes;
    for (int i = 0; i < 40; ++i) bytes += static_cast<char>(255 - i * 3);
    const std::string original = root.write("data.bin", bytes).string();

    auto run = runVernikLex({"bytes-to-digits", original});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 12), "FF FC F9 F6 ");
    EXPECT_EQ(run.out.size(), 45 + 1 + 45 + 1 + 30 + 1u);  // 15, 15 and 10 bytes a line
    // Typed back with the letter O for a zero and lower-case c.
    std::string typed = run.out;
    for (char& c : typed) {
        if (c == '0') c = 'O';
        if (c == 'C') c = 'c';
    }
    const std::string text = root.write("typed.txt", typed).string();
    const std::string back = (root / "back.bin").string();
    run = runVernikLex({"digits-to-bytes", text, back});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TestFolder::read(root / "back.bin"), bytes);

    run = runVernikLex({"bytes-to-digits", original, "--per-line", "83"});
    EXPECT_EQ(run.out.find('\n'), 40 * 3u);
    for (const char* bad : {"84", "zero"}) {
        run = runVernikLex({"bytes-to-digits", "--per-line", bad, original});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("Antal bytes per rad"), std::string::npos);
    }
    EXPECT_EQ(runVernikLex({"bytes-to-digits", (root / "missing").string()}).status, 1);
    const std::string words = root.write("words.txt", "no digit pairs here").string();
    run = runVernikLex({"digits-to-bytes", words, (root / "none.bin").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(root / "none.bin"));
}

TEST(ByteDigitsCommands, UnicodeToCyrWritesTheConFile) {
    TestFolder root;
    const std::string file = root.write("ryska.txt", "\xD0\x94\xD0\xB0\n").string();
    auto run = runVernikLex({"unicode-to-cyr", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (root / "ryska.con").string() + "\n");
    EXPECT_EQ(TestFolder::read(root / "ryska.con"), "\xC4\xE0\n");

    const std::string cut = root.write("cut.txt", "a\xD0").string();
    run = runVernikLex({"unicode-to-cyr", cut});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("1 incomplete"), std::string::npos);
    EXPECT_EQ(TestFolder::read(root / "cut.con"), "a");

    const std::string own = root.write("lista.con", "x").string();
    EXPECT_EQ(runVernikLex({"unicode-to-cyr", own}).status, 2);
    EXPECT_EQ(TestFolder::read(root / "lista.con"), "x");
    EXPECT_EQ(runVernikLex({"unicode-to-cyr", (root / "missing.txt").string()}).status, 1);
}

}  // namespace
