#include <cstdio>
#include <optional>
#include <string>

#include "commands.h"
#include "document/byte_digits.h"
#include "platform/files.h"

namespace vernik::lex {

int runBytesToDigits(const Arguments& args) {
    std::optional<int> perLine = 15;
    std::string file;
    bool usage = false;
    for (std::size_t at = 0; at < args.size(); ++at) {
        if (args[at] == "--per-line" && at + 1 < args.size()) {
            perLine = parseBytesPerLine(args[++at]);
            if (!perLine) {
                std::fprintf(stderr, "vernik-lex: %s\n", bytesPerLineProblem(args[at]).c_str());
                return 2;
            }
        } else if (file.empty() && args[at].rfind("--", 0) != 0) {
            file = args[at];
        } else {
            usage = true;
        }
    }
    if (usage || file.empty()) {
        std::fputs("usage: vernik-lex bytes-to-digits FILE [--per-line N]\n", stderr);
        return 2;
    }
    const std::optional<std::string> bytes = readFileBytes(file);
    if (!bytes) {
        std::fprintf(stderr, "vernik-lex: cannot read %s\n", file.c_str());
        return 1;
    }
    for (const std::string& line : byteListing(*bytes, *perLine)) std::printf("%s\n", line.c_str());
    return 0;
}

int runDigitsToBytes(const Arguments& args) {
    if (args.size() != 2) {
        std::fputs("usage: vernik-lex digits-to-bytes TEXTFILE OUTFILE\n", stderr);
        return 2;
    }
    const std::optional<std::string> text = readFileBytes(args[0]);
    if (!text) {
        std::fprintf(stderr, "vernik-lex: cannot read %s\n", args[0].c_str());
        return 1;
    }
    const std::string bytes = bytesFromDigits(*text);
    if (bytes.empty()) {
        std::fprintf(stderr, "vernik-lex: %s holds no pair of hexadecimal digits\n",
                     args[0].c_str());
        return 1;
    }
    const WriteResult written = writeFileReplacing(args[1], bytes);
    if (!written.ok()) {
        std::fprintf(stderr, "vernik-lex: cannot write %s\n", written.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace vernik::lex
