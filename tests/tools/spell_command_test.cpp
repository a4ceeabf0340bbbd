#include <gtest/gtest.h>

#include "run_tool.h"
#include "test_folder.h"

namespace {

TEST(SpellCommand, PrintsTheSoundsAutoReadingPlays) {
    TestFolder root;
    for (const char* name :
         {"lex1/spsp/s.wav", "lex1/spsp/sj.wav", "lex1/spsp/a.wav", "lex1/spsp/l.wav",
          "work/spsp/paus1.wav", "out/spsp/A.wav", "lex2/ljud/och.wav", "lex1/spsp/\xC3\xA4.wav"})
        root.write(name, "");
    const std::string r = root.str();
    auto run = runVernikLex({"spell", "--lexicon1", r + "/lex1", "--lexicon2", r + "/lex2",
                             "--output-folder", r + "/out", "sjal och \xC3\x84 sist"},
                            r + "/work");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, r + "/lex1/spsp/sj.wav\n" + r + "/out/spsp/A.wav\n" + r +
                           "/lex1/spsp/l.wav\n" + r + "/work/spsp/paus1.wav\n" + r +
                           "/lex2/ljud/och.wav\n" + r + "/lex1/spsp/\xC3\xA4.wav\n" + r +
                           "/work/spsp/paus1.wav\n");

    EXPECT_EQ(runVernikLex({"spell", "--lexicon1", r + "/lex1", "sist"}, r).out, "");
    EXPECT_EQ(runVernikLex({"spell", "--lexicon1", r + "/lex1"}).status, 2);
    EXPECT_EQ(runVernikLex({"spell", "a", "b"}).status, 2);
}

}  // namespace
