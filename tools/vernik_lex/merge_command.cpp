#include <csignal>
#include <cstdio>
#include <string>
#include <system_error>

#include "commands.h"
#include "maintenance/lexicon_merge.h"
#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik::lex {
namespace {

void printLine(const std::string& bytes) {
    const std::string out = utf8FromCp1252(bytes) + "\n";
    std::fwrite(out.data(), 1, out.size(), stderr);
}

int usage(const std::string& command) {
    std::fprintf(stderr, "usage: vernik-lex %s MAIN SECOND OUTDIR%s\n", command.c_str(),
                 command == "add" ? " [--mark-new]" : "");
    return 2;
}

}  // namespace

int runLexiconMerge(const std::string& command, const Arguments& args) {
    MergeRequest request;
    request.operation = command == "add"          ? MergeOperation::Add
                        : command == "difference" ? MergeOperation::Difference
                                                  : MergeOperation::NotInMain;
    Arguments folders;
    for (const std::string& arg : args) {
        if (arg == "--mark-new" && request.operation == MergeOperation::Add) {
            request.markNewWords = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return usage(command);
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 3) return usage(command);
    request.mainFolder = folders[0];
    request.secondFolder = folders[1];
    request.resultFolder = folders[2];

    std::error_code ec;
    fs::create_directories(request.resultFolder, ec);
    if (ec) {
        std::fprintf(stderr, "vernik-lex: %s: %s\n", request.resultFolder.c_str(),
                     ec.message().c_str());
        return 1;
    }
    // A size limit makes the write fail with a message instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    printLine(std::string(mergeRunningText(request.operation)));
    const MergeReport report =
        runMerge(request, {.message = [](const std::string& message) { printLine(message); }});
    if (!report.ok()) {
        printLine("vernik-lex: " + report.error);
        return 1;
    }
    return 0;
}

}  // namespace vernik::lex
