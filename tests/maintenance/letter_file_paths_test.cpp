// A word's initial letter becomes part of a file name. A word beginning with
// "/" once named "/alt.lex" and "/com.lex" at the root of the file system,
// which a lookup read and a change rewrote. Here a child process takes a
// fresh folder as its root, lays such files out there, and checks that no
// lookup, comment collection or change reaches them.
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include "child_process.h"
#include "lexicon/letter_files.h"
#include "maintenance/lexicon_change.h"
#include "test_folder.h"
#include "workspace/lexicon_lookup.h"

namespace vernik {
namespace {

constexpr int kNoRoot = 99;  // the child could not change its root

TEST(LetterFilePaths, WordsNamingFilesOutsideTheLexiconHaveNoLetterFile) {
    TestFolder root;
    const std::string bait = ".//\r\n/\r\n./x\r\nsecret\r\n./\xFF\xFF\xFF\r\nF\r\n";
    root.write("alt.lex", bait);
    root.write("com.lex", bait);
    root.writeLines("lex/Aalt.lex", {".A", "A", ".a\xFF\xFF\xFF", "F"});

    struct Place {
        const char* name;
        std::function<bool()> reachesOutside;
    };
    const auto lookUp = [] {
        AltTable table;
        return lookUpInLexicons({.folder = "/lex", .word = "/x", .letter = '/'}, table);
    };
    const Place places[] = {
        {"lookup", [&] { return lookUp().altFileFound; }},
        {"comment file", [&] { return !lookUp().comments.empty(); }},
        {"change",
         [] {
             const fs::path file = letterFileName("/lex", "", '/', LetterKind::Alt);
             return commitLetterFileChange(file, {.word = "/x", .alt1 = "y"}).ok();
         }},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const int exit = runInChild([&] {
            if (::chroot(root.path().c_str()) != 0 || ::chdir("/") != 0) return kNoRoot;
            return place.reachesOutside() ? 1 : 0;
        });
        if (exit == kNoRoot) GTEST_SKIP() << "chroot needs root";
        EXPECT_EQ(exit, 0);
    }
    EXPECT_EQ(TestFolder::read(root / "alt.lex"), bait);
    EXPECT_FALSE(fs::exists(root / "alt.bak"));
}

}  // namespace
}  // namespace vernik
