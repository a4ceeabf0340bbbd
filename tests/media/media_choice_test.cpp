#include "media/media_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "test_folder.h"

namespace {

using vernik::chooseMedia;
using vernik::MediaChoice;
using vernik::MediaSources;

// Files under the test root: "lex" is Lexicon2's folder, "out" the output
// file's folder, "list" the word list's folder. "@ROOT@" in a file's bytes
// stands for the root's full path.
struct MediaCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string word;
    std::string expected;  // what describe() gives
};

void PrintTo(const MediaCase& c, std::ostream* os) {
    *os << c.name;
}

// The files chosen, relative to the root, as "kind=path" items.
std::string describe(const MediaChoice& choice, const std::string& root) {
    std::string out;
    const auto add = [&](const char* kind, const std::string& path) {
        if (path.empty()) return;
        if (!out.empty()) out += ' ';
        out += kind;
        out += '=';
        out += path.rfind(root + "/", 0) == 0 ? path.substr(root.size() + 1) : path;
    };
    add("sound", choice.SoundFile);
    add("jpg", choice.PictureJpgFile);
    add("bmp", choice.PictureBmpFile);
    for (const auto& series : choice.SeriesFiles) add("series", series);
    add("comment", choice.CommentFile);
    add("shown", choice.shownPicture());
    return out;
}

const MediaCase kCases[] = {
    {"WavBeforeMid",
     {{"lex/ljud/hund.mid", ""}, {"lex/ljud/hund.wav", ""}},
     "hund",
     "sound=lex/ljud/hund.wav"},
    {"MidBesideOutputBeatsWavOfLexicon2",
     {{"out/ljud/hund.mid", ""}, {"lex/ljud/hund.wav", ""}},
     "hund",
     "sound=out/ljud/hund.mid"},
    {"ListFolderBeatsOutputForSounds",
     {{"out/ljud/hund.wav", ""}, {"list/ljud/hund.mp3", ""}},
     "hund",
     "sound=list/ljud/hund.mp3"},
    {"RelativeLinkInsideTheSoundFolder",
     {{"lex/ljud/hund.txt", "sub\\skall.wav\r\nnext"}, {"lex/ljud/sub/skall.wav", ""}},
     "hund",
     "sound=lex/ljud/sub/skall.wav"},
    {"FullPathLink",
     {{"lex/ljud/hund.txt", "@ROOT@/elsewhere/skall.wav\n"}, {"elsewhere/skall.wav", ""}},
     "hund",
     "sound=elsewhere/skall.wav"},
    {"LinkLeavingTheFolderGivesNothing",
     {{"lex/ljud/hund.txt", "../x.wav"}, {"lex/x.wav", ""}},
     "hund",
     ""},
    {"FullPathLinkThroughParentGivesNothing",
     {{"lex/ljud/hund.txt", "@ROOT@/lex/../lex/x.wav"}, {"lex/x.wav", ""}},
     "hund",
     ""},
    {"EmptyLinkGivesNothing",
     {{"lex/ljud/hund.txt", "\r\nx.wav"}, {"lex/ljud/x.wav", ""}},
     "hund",
     ""},
    {"BinaryLinkGivesNothing",
     {{"lex/ljud/hund.txt", "\x01x.wav"}, {"lex/ljud/\x01x.wav", ""}},
     "hund",
     ""},
    {"LinkToMissingFileGivesNothing", {{"lex/ljud/hund.txt", "borta.wav"}}, "hund", ""},
    {"BmpOverJpgAndSeriesUpToFirstGap",
     {{"lex/bild/hund.jpg", ""},
      {"lex/bild/hund.bmp", ""},
      {"lex/bild/0hund.bmp", ""},
      {"lex/bild/1hund.bmp", ""},
      {"lex/bild/3hund.bmp", ""}},
     "hund",
     "jpg=lex/bild/hund.jpg bmp=lex/bild/hund.bmp series=lex/bild/0hund.bmp "
     "series=lex/bild/1hund.bmp shown=lex/bild/0hund.bmp"},
    {"BmpShownOverJpg",
     {{"lex/bild/hund.jpg", ""}, {"lex/bild/hund.bmp", ""}},
     "hund",
     "jpg=lex/bild/hund.jpg bmp=lex/bild/hund.bmp shown=lex/bild/hund.bmp"},
    {"OutputBeatsListForPictures",
     {{"list/bild/hund.bmp", ""}, {"out/bild/hund.jpg", ""}},
     "hund",
     "jpg=out/bild/hund.jpg shown=out/bild/hund.jpg"},
    {"ListSeriesBeatsLexicon2Picture",
     {{"lex/bild/hund.bmp", ""}, {"list/bild/0hund.bmp", ""}},
     "hund",
     "series=list/bild/0hund.bmp shown=list/bild/0hund.bmp"},
    {"CommentBesideOutputFirst",
     {{"lex/kom/hund.rtf", ""}, {"out/kom/hund.rtf", ""}},
     "hund",
     "comment=out/kom/hund.rtf"},
    {"CommentOfListFolderNotUsed", {{"list/kom/hund.rtf", ""}}, "hund", ""},
    {"NamesMatchedIgnoringCase",
     {{"lex/ljud/HUND.WAV", ""}, {"lex/kom/Hund.rtf", ""}},
     "hUnd",
     "sound=lex/ljud/HUND.WAV comment=lex/kom/Hund.rtf"},
    {"Cp1252WordFindsUtf8Name",
     {{"lex/kom/\xC3\x85sna.rtf", ""}},
     "\xE5sna",
     "comment=lex/kom/\xC3\x85sna.rtf"},
    {"WordLeavingTheFolderGivesNothing",
     {{"lex/ljud/hund.wav", ""}, {"lex/x.wav", ""}},
     "../x",
     ""},
    {"WordThroughParentGivesNothing", {{"lex/ljud/hund.wav", ""}}, "../ljud/hund", ""},
    {"AbsoluteWordGivesNothing", {{"lex/ljud/hund.wav", ""}}, "/etc/passwd", ""},
    {"BackslashWordGivesNothing", {{"lex/ljud/a\\b.wav", ""}}, "a\\b", ""},
};

class MediaChoiceTest : public ::testing::TestWithParam<MediaCase> {};

TEST_P(MediaChoiceTest, ChoosesTheFilesOfTheWord) {
    const MediaCase& c = GetParam();
    TestFolder root;
    for (auto [name, bytes] : c.files) {
        for (std::size_t at; (at = bytes.find("@ROOT@")) != std::string::npos;)
            bytes.replace(at, 6, root.str());
        root.write(name, bytes);
    }
    const MediaSources sources{(root / "lex").string(), (root / "out").string(),
                               (root / "list").string()};
    EXPECT_EQ(describe(chooseMedia(c.word, sources), root.str()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MediaChoiceTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MediaChoice, FoldersFollowTheHitsAndEmptySourcesAreNotProbed) {
    TestFolder root;
    root.write("out/ljud/hund.txt", "borta.wav");  // a broken link still chooses its folder
    root.write("out/bild/0hund.bmp", "");
    std::vector<std::string> probed;
    const vernik::FindFile recording = [&](const std::filesystem::path& path) {
        probed.push_back(path.string());
        return vernik::findFileIgnoringCase(path);
    };
    const std::string lex = (root / "lex").string();
    const std::string out = (root / "out").string();
    const MediaChoice choice = chooseMedia("hund", {lex, out, ""}, recording);
    EXPECT_EQ(choice.SoundFolder, out + "/ljud");
    EXPECT_EQ(choice.PictureFolder, out + "/bild");
    EXPECT_EQ(choice.CommentFolder, lex + "/kom");
    EXPECT_EQ(choice.SoundFile, "");
    for (const auto& path : probed)
        EXPECT_TRUE(path.rfind(lex + "/", 0) == 0 || path.rfind(out + "/", 0) == 0) << path;

    probed.clear();
    const MediaChoice none = chooseMedia("hund", {}, recording);
    EXPECT_TRUE(probed.empty());
    EXPECT_EQ(none.SoundFolder + none.PictureFolder + none.CommentFolder, "");
}

}  // namespace
