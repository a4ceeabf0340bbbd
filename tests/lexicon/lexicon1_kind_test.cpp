#include "lexicon/lexicon1_kind.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vernik {
namespace {

TEST(Lexicon1Kind, FolderWithAaltIsALexiconShownInBlack) {
    TestFolder root;
    root.writeLines("sven/Aalt.lex", {".a", "a"});
    const std::string folder = root.str() + "/sven";

    const Lexicon1Kind kind = decideLexicon1Kind(folder, "ignored setting");
    EXPECT_TRUE(kind.isLexicon);
    EXPECT_FALSE(kind.isList);
    EXPECT_EQ(kind.folder, folder);
    EXPECT_EQ(kind.setting, folder);   // a lexicon's setting is its folder
    EXPECT_EQ(kind.listFileName, "");  // a folder is not a list file
    EXPECT_EQ(kind.colour, Lexicon1Colour::Black);

    // Lexicon folders copied from systems that ignore case still count.
    TestFolder lower;
    lower.writeLines("sven/aalt.lex", {".a", "a"});
    EXPECT_TRUE(decideLexicon1Kind(lower.str() + "/sven", "").isLexicon);
}

TEST(Lexicon1Kind, FolderWithAlistIsAListFolderShownInFuchsia) {
    TestFolder root;
    root.writeLines("lists/Alist.lex", {"apa monkey"});
    const std::string folder = root.str() + "/lists";

    const Lexicon1Kind kind = decideLexicon1Kind(folder, folder);
    EXPECT_TRUE(kind.isList);
    EXPECT_FALSE(kind.isLexicon);
    EXPECT_EQ(kind.folder, folder);
    EXPECT_EQ(kind.setting, folder);
    EXPECT_EQ(kind.colour, Lexicon1Colour::Fuchsia);
}

TEST(Lexicon1Kind, PathOfAlistFileStandsForItsFolder) {
    TestFolder root;
    const std::string file = root.writeLines("lists/Alist.lex", {"apa monkey"}).string();

    const Lexicon1Kind kind = decideLexicon1Kind(file, file);
    EXPECT_EQ(kind.folder, root.str() + "/lists");
    EXPECT_TRUE(kind.isList);
    EXPECT_FALSE(kind.isLexicon);
    EXPECT_EQ(kind.setting, file);
    EXPECT_EQ(kind.listFileName, file);
    EXPECT_EQ(kind.colour, Lexicon1Colour::Fuchsia);
}

TEST(Lexicon1Kind, SettingNamingAFileMakesItTheWordList) {
    TestFolder root;
    const std::string file = root.writeLines("words/ord.txt", {"hus house"}).string();

    const Lexicon1Kind kind = decideLexicon1Kind(root.str() + "/words", file);
    EXPECT_FALSE(kind.isLexicon);
    EXPECT_FALSE(kind.isList);
    EXPECT_EQ(kind.setting, file);
    EXPECT_EQ(kind.listFileName, file);
    EXPECT_EQ(kind.colour, Lexicon1Colour::Red);
}

TEST(Lexicon1Kind, MissingFolderIsRedWithNoListFile) {
    TestFolder root;
    const std::string folder = root.str() + "/sven";

    const Lexicon1Kind kind = decideLexicon1Kind(folder, folder);
    EXPECT_FALSE(kind.isLexicon);
    EXPECT_FALSE(kind.isList);
    EXPECT_EQ(kind.folder, folder);
    EXPECT_EQ(kind.setting, folder);
    EXPECT_EQ(kind.listFileName, "");
    EXPECT_EQ(kind.colour, Lexicon1Colour::Red);
}

}  // namespace
}  // namespace vernik
