#include <cstdio>

#include "commands.h"

namespace vernik::lex {

int runImportDictd(const Arguments& args) {
    std::fputs("vernik-lex: import-dictd is not built yet\n", stderr);
    return 2;
}

}  // namespace vernik::lex
