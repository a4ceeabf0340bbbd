#include <cstdio>
#include <optional>

#include "commands.h"
#include "maintenance/comment_rewrite.h"
#include "maintenance/comment_target.h"
#include "tool_output.h"

namespace vernik::lex {

int runComment(const Arguments& args) {
    if (args.size() < 2) {
        std::fputs("usage: vernik-lex comment FOLDER WORD [LINE]...\n", stderr);
        return 2;
    }
    std::vector<std::string> texts;  // the word and the lines, as Windows-1252 bytes
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::optional<std::string> bytes = cp1252FromUtf8(args[i]);
        if (!bytes) {
            std::fprintf(stderr, "vernik-lex: %s has no Windows-1252 form\n", args[i].c_str());
            return 2;
        }
        texts.push_back(*bytes);
    }
    if (!isLexiconOrSays(args[0])) return 1;
    const std::optional<CommentTarget> target = lookUpCommentTarget(args[0], texts[0]);
    if (!target) {
        std::fprintf(stderr, "vernik-lex: no letter file for %s\n", args[1].c_str());
        return 1;
    }
    const std::vector<std::string> boxLines(texts.begin() + 1, texts.end());
    const CommentFileResult result = writeCommentBlock(
        target->comFile, target->headword, commentBoxLines(boxLines), target->offered());
    const std::string text = commentOutcomeText(result);
    if (!result.ok()) {
        printCp1252Line(stderr, "vernik-lex: " + text);
        return 1;
    }
    printCp1252Line(stdout,
                    (target->offered() == CommentEdit::Replace ? "Byt ut kommentarer: "
                                                               : "L\xE4gg in kommentarer: ") +
                        target->headword);
    if (!text.empty()) printCp1252Line(stdout, text);
    return 0;
}

}  // namespace vernik::lex
