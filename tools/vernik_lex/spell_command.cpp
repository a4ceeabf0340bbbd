#include <cstdio>
#include <string>

#include "commands.h"
#include "media/speech_walker.h"
#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik::lex {

int runSpell(const Arguments& args) {
    SpeechFolders folders;
    folders.workingFolder = currentFolder();
    folders.startFolder = folders.workingFolder;
    std::size_t at = 0;
    while (at + 1 < args.size()) {
        std::string* folder = args[at] == "--lexicon1"        ? &folders.lexicon1Folder
                              : args[at] == "--lexicon2"      ? &folders.lexicon2Folder
                              : args[at] == "--output-folder" ? &folders.outputFileFolder
                                                              : nullptr;
        if (!folder) break;
        *folder = args[at + 1];
        at += 2;
    }
    if (args.size() != at + 1 || args[at].rfind("--", 0) == 0) {
        std::fputs(
            "usage: vernik-lex spell [--lexicon1 DIR] [--lexicon2 DIR] [--output-folder DIR] "
            "TEXT\n",
            stderr);
        return 2;
    }
    for (const auto& file : autoReadingSounds(cp1252FromUtf8Lossy(args[at]), folders))
        std::printf("%s\n", file.c_str());
    return 0;
}

}  // namespace vernik::lex
