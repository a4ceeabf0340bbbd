#include <cstdio>
#include <optional>
#include <string>

#include "commands.h"
#include "document/cyrillic_conversion.h"
#include "platform/files.h"

namespace vernik::lex {

int runUnicodeToCyr(const Arguments& args) {
    if (args.size() != 1) {
        std::fputs("usage: vernik-lex unicode-to-cyr FILE\n", stderr);
        return 2;
    }
    const std::string& file = args[0];
    const std::optional<std::string> result = cyrillicResultName(file);
    if (!result) {
        std::fprintf(stderr, "vernik-lex: %s: the name is too short for a result name\n",
                     file.c_str());
        return 2;
    }
    if (*result == file) {
        std::fprintf(stderr, "vernik-lex: %s would be its own result file\n", file.c_str());
        return 2;
    }
    const std::optional<std::string> bytes =
        isRegularFile(file) ? readFileBytes(file) : std::nullopt;
    if (!bytes) {
        std::fprintf(stderr, "vernik-lex: cannot read %s\n", file.c_str());
        return 1;
    }
    const CyrillicConversion converted = cyrillicFromUtf8(*bytes);
    const WriteResult written = writeFileReplacing(*result, converted.bytes);
    if (!written.ok()) {
        std::fprintf(stderr, "vernik-lex: cannot write %s\n", written.error.c_str());
        return 1;
    }
    if (converted.truncated > 0) {
        std::fprintf(stderr, "vernik-lex: %d incomplete characters skipped\n", converted.truncated);
    }
    std::printf("%s\n", result->c_str());
    return 0;
}

}  // namespace vernik::lex
