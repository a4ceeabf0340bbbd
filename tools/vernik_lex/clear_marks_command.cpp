#include <csignal>
#include <cstdio>

#include "commands.h"
#include "maintenance/mark_removal.h"
#include "tool_output.h"

namespace vernik::lex {

int runClearMarks(const Arguments& args) {
    MarkRemovalOptions options;
    std::string folder;
    for (const std::string& arg : args) {
        if (arg == "--also-comments") {
            options.alsoComments = true;
        } else if (arg == "--only-comments") {
            options.onlyComments = true;
        } else if (folder.empty() && !arg.starts_with("--")) {
            folder = arg;
        } else {
            folder.clear();
            break;
        }
    }
    if (folder.empty()) {
        std::fputs("usage: vernik-lex clear-marks FOLDER [--also-comments | --only-comments]\n",
                   stderr);
        return 2;
    }
    if (!isLexiconOrSays(folder)) return 1;
    std::signal(SIGXFSZ, SIG_IGN);  // a size limit fails the write instead of ending the process
    const MarkRemovalResult result = removeNewWordMarks(folder, options);
    for (const auto& file : result.cleaned) std::printf("cleaned %s\n", file.c_str());
    for (const auto& reason : result.skipped)
        std::fprintf(stderr, "vernik-lex: skipped %s\n", reason.c_str());
    if (!result.ok()) {
        std::fprintf(stderr, "vernik-lex: %s\n", result.error.c_str());
        return 1;
    }
    return result.skipped.empty() ? 0 : 1;
}

}  // namespace vernik::lex
