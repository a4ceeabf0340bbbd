#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_folder.h"

// What a run of vernik-lex printed and returned.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built vernik-lex with `args` (each quoted for the shell), in the
// folder `workingFolder` when one is given.
inline ToolRun runVernikLex(const std::vector<std::string>& args,
                            const std::string& workingFolder = {}) {
    TestFolder scratch;
    std::string command = "'" VERNIK_LEX_PATH "'";
    if (!workingFolder.empty()) command = "cd '" + workingFolder + "' && " + command;
    for (const auto& arg : args) {
        std::string quoted;
        for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += " '" + quoted + "'";
    }
    command += " >'" + (scratch / "out").string() + "' 2>'" + (scratch / "err").string() + "'";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = TestFolder::read(scratch / "out");
    run.err = TestFolder::read(scratch / "err");
    return run;
}
