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
    const char letter = initialLetter(texts[0]);
    const auto letterFile = findLetterFile(folder, "", letter, LetterKind::Alt);
    if (!letterFile) {
        const fs::path expected = letterFileName(folder, "", letter, LetterKind::Alt);
        std::fprintf(stderr, "vernik-lex: no letter file %s\n", expected.c_str());
        return 1;
    }
    const ChangeResult result = commitLetterFileChange(
        *letterFile, {.word = texts[0], .alt1 = texts[1], .alt2 = texts[2], .alt3 = texts[3]});
    const std::optional<std::string> status = changeStatusText(result);
    if (!result.ok()) {
        printUtf8(stderr, "vernik-lex: ", status.value_or(""));
        return 1;
    }
    if (status) printUtf8(stdout, "", *status);
    return 0;
}

}  // namespace vernik::lex
