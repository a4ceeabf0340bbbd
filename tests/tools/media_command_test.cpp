#include <gtest/gtest.h>

#include "run_tool.h"
#include "test_folder.h"

namespace {

TEST(MediaCommand, PrintsTheFilesTheLookupWouldUse) {
    TestFolder root;
    for (const char* name :
         {"lex/ljud/\xC3\xA5sna.mid", "lex/bild/\xC3\xA5sna.jpg", "lex/bild/\xC3\xA5sna.bmp",
          "lex/bild/0\xC3\xA5sna.bmp", "lex/bild/1\xC3\xA5sna.bmp", "lex/kom/\xC3\xA5sna.rtf",
          "out/ljud/\xC3\xA5sna.wav", "list/kom/\xC3\xA5sna.rtf"})
        root.write(name, "");
    const std::string r = root.str();
    auto run = runVernikLex({"media", "--list-folder", r + "/list", "--output-folder", r + "/out",
                             r + "/lex", "\xC3\xA5sna"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string w = "\xC3\xA5sna";
    EXPECT_EQ(run.out, "sound: " + r + "/out/ljud/" + w + ".wav\npicture: " + r + "/lex/bild/" + w +
                           ".jpg\npicture: " + r + "/lex/bild/" + w + ".bmp\nseries: " + r +
                           "/lex/bild/0" + w + ".bmp\nseries: " + r + "/lex/bild/1" + w +
                           ".bmp\ncomment: " + r + "/lex/kom/" + w + ".rtf\n");

    run = runVernikLex({"media", r + "/lex", "katt"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(runVernikLex({"media", "--output-folder", r + "/lex"}).status, 2);
}

}  // namespace
