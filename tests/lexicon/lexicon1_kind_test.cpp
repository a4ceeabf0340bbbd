#include "lexicon/lexicon1_kind.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vernik {
namespace {

// Each case's folder and setting name paths below one fresh folder ("" for
// the setting: the same as the folder); "" expected: the value given.
TEST(Lexicon1Kind, DecidedFromTheFolderAndTheSetting) {
    using enum Lexicon1Colour;
    const struct {
        const char* file;  // written before deciding
        const char *folder, *setting;
        bool lexicon, list;
        const char *expectedFolder, *expectedSetting, *listFile;
        Lexicon1Colour colour;
    } cases[] = {
        // A lexicon's setting is its folder; folders copied from systems that
        // ignore case still count.
        {"sven/Aalt.lex", "sven", "ignored", true, false, "sven", "sven", "", Black},
        {"sven/aalt.lex", "sven", "", true, false, "sven", "sven", "", Black},
        {"lists/Alist.lex", "lists", "", false, true, "lists", "lists", "", Fuchsia},
        // The path of an Alist file stands for its folder.
        {"lists/Alist.lex", "lists/Alist.lex", "", false, true, "lists", "lists/Alist.lex",
         "lists/Alist.lex", Fuchsia},
        // A setting naming a file makes it the word list.
        {"words/ord.txt", "words", "words/ord.txt", false, false, "words", "words/ord.txt",
         "words/ord.txt", Red},
        {"other/x", "sven", "", false, false, "sven", "sven", "", Red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TestFolder root;
        root.writeLines(c.file, {"x"});
        const auto at = [&](const std::string& name) {
            return name.empty() ? "" : root.str() + "/" + name;
        };
        const std::string folder = at(c.folder);
        const Lexicon1Kind kind = decideLexicon1Kind(folder, *c.setting ? at(c.setting) : folder);
        EXPECT_EQ(kind.isLexicon, c.lexicon);
        EXPECT_EQ(kind.isList, c.list);
        EXPECT_EQ(kind.folder, at(c.expectedFolder));
        EXPECT_EQ(kind.setting, at(c.expectedSetting));
        EXPECT_EQ(kind.listFileName, at(c.listFile));
        EXPECT_EQ(kind.colour, c.colour);
    }
}

}  // namespace
}  // namespace vernik
