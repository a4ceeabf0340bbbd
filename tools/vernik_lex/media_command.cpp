#include <cstdio>
#include <string>

#include "commands.h"
#include "media/media_choice.h"
#include "media/media_word.h"
#include "platform/cp1252.h"

namespace vernik::lex {

namespace {

void printLine(const char* label, const std::string& path) {
    if (path.empty()) return;
    std::printf("%s: %s\n", label, path.c_str());
}

}  // namespace

int runMedia(const Arguments& args) {
    MediaSources sources;
    std::size_t at = 0;
    while (at + 1 < args.size() && (args[at] == "--output-folder" || args[at] == "--list-folder")) {
        (args[at] == "--output-folder" ? sources.outputFileFolder : sources.listFolder) =
            args[at + 1];
        at += 2;
    }
    if (args.size() != at + 2 || args[at].rfind("--", 0) == 0) {
        std::fputs(
            "usage: vernik-lex media [--output-folder DIR] [--list-folder DIR] LEXICON2 WORD\n",
            stderr);
        return 2;
    }
    sources.lexicon2Folder = args[at];
    const MediaChoice choice =
        chooseMedia(lookupMediaWord(cp1252FromUtf8Lossy(args[at + 1])), sources);
    printLine("sound", choice.SoundFile);
    printLine("picture", choice.PictureJpgFile);
    printLine("picture", choice.PictureBmpFile);
    for (const auto& series : choice.SeriesFiles) printLine("series", series);
    printLine("comment", choice.CommentFile);
    return 0;
}

}  // namespace vernik::lex
