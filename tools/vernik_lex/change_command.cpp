#include <csignal>
#include <cstdio>
#include <optional>
#include <string>

#include "commands.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "maintenance/lexicon_change.h"
#include "platform/cp1252.h"

namespace vernik::lex {
namespace {

constexpr const char* kChangeUsage = "usage: vernik-lex change FOLDER WORD [ALT1 [ALT2 [ALT3]]]\n";

void printUtf8(std::FILE* stream, const std::string& prefix, const std::string& bytes) {
    const std::string out = prefix + utf8FromCp1252(bytes) + "\n";
    std::fwrite(out.data(), 1, out.size(), stream);
}

}  // namespace

int runChange(const Arguments& args) {
    if (args.size() < 2 || args.size() > 5) {
        std::fputs(kChangeUsage, stderr);
        return 2;
    }
    // The word and the three box texts, as Windows-1252 bytes.
    std::string texts[4];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::optional<std::string> bytes = cp1252FromUtf8(args[i]);
        if (!bytes) {
            std::fprintf(stderr, "vernik-lex: %s has no Windows-1252 form\n", args[i].c_str());
            return 2;
        }
        texts[i - 1] = *bytes;
    }
    const std::string& folder = args[0];
    const fs::path expected = letterFileName(folder, "", initialLetter(texts[0]), LetterKind::Alt);
    if (expected.empty()) {
        std::fprintf(stderr, "vernik-lex: no letter file for %s\n", args[1].c_str());
        return 1;
    }
    // A size limit makes the write fail with a message instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const ChangeResult result = commitLetterFileChange(
        expected, {.word = texts[0], .alt1 = texts[1], .alt2 = texts[2], .alt3 = texts[3]});
    if (result.failure == ChangeFailure::NoLetterFile) {
        std::fprintf(stderr, "vernik-lex: no letter file %s\n", expected.c_str());
        return 1;
    }
    const std::optional<std::string> status = changeStatusText(result);
    if (!result.ok()) {
        printUtf8(stderr, "vernik-lex: ", status.value_or(""));
        return 1;
    }
    if (status) printUtf8(stdout, "", *status);
    return 0;
}

}  // namespace vernik::lex
