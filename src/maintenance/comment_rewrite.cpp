#include "maintenance/comment_rewrite.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "lexicon/letter_files.h"
#include "maintenance/letter_file_rewrite.h"
#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::string_view kSentinelMark = "\xFF\xFF\xFF";

bool isHeadwordLine(std::string_view line) {
    return !line.empty() && line[0] == '.';
}

// "." + any letter + "ÿÿÿ": the letter's case differs between the writers.
bool isSentinel(std::string_view line) {
    return line.size() >= 5 && line[0] == '.' && line.substr(2, 3) == kSentinelMark;
}

// Plain unsigned byte order from the first character; a beginning sorts
// before the longer line.
bool sortsAfter(std::string_view line, std::string_view headword) {
    const auto byte = [](char c) { return static_cast<unsigned char>(c); };
    return std::lexicographical_compare(headword.begin(), headword.end(), line.begin(), line.end(),
                                        [&](char a, char b) { return byte(a) < byte(b); });
}

std::vector<std::string> inserted(const std::vector<std::string>& source, std::string_view headword,
                                  const std::vector<std::string>& comments) {
    const auto stop = std::find_if(source.begin(), source.end(), [&](const std::string& line) {
        return isHeadwordLine(line) && (isSentinel(line) || sortsAfter(line, headword));
    });
    std::vector<std::string> lines(source.begin(), stop);
    lines.emplace_back(headword);
    lines.insert(lines.end(), comments.begin(), comments.end());
    lines.insert(lines.end(), stop, source.end());
    return lines;
}

CommentFileResult failed(CommentFileResult result, CommentFailure failure,
                         std::string systemError = {}) {
    result.failure = failure;
    result.systemError = std::move(systemError);
    return result;
}

}  // namespace

std::vector<std::string> commentBoxLines(const std::vector<std::string>& boxLines) {
    const auto empty = std::find(boxLines.begin(), boxLines.end(), std::string());
    return {boxLines.begin(), empty};
}

std::vector<std::string> newCommentFile(char letter) {
    const std::string x(1, letter);
    return {"." + x, x, "." + x + std::string(kSentinelMark), x + std::string(kSentinelMark)};
}

CommentRewrite rewriteCommentLines(const std::vector<std::string>& source,
                                   std::string_view headword,
                                   const std::vector<std::string>& comments, CommentEdit edit) {
    CommentRewrite result;
    const auto own = edit == CommentEdit::Replace
                         ? std::find(source.begin(), source.end(), headword)
                         : source.end();
    if (own == source.end()) {
        result.insertedInstead = edit == CommentEdit::Replace;
        result.lines = inserted(source, headword, comments);
        return result;
    }
    const auto next = std::find_if(own + 1, source.end(), isHeadwordLine);
    result.lines.assign(source.begin(), own + 1);
    result.lines.insert(result.lines.end(), comments.begin(), comments.end());
    result.lines.insert(result.lines.end(), next, source.end());
    return result;
}

CommentFileResult writeCommentBlock(const fs::path& comFile, std::string_view headword,
                                    const std::vector<std::string>& comments, CommentEdit edit) {
    CommentFileResult result;
    result.comFile = comFile;
    if (headword.size() < 2 || headword[0] != '.')
        return failed(result, CommentFailure::NoHeadword);
    const fs::path folder = folderHolding(comFile);
    std::error_code ec;
    if (!comFile.has_filename() || !fs::is_directory(folder, ec)) {
        return failed(result, CommentFailure::NotAComFile);
    }
    if (isWriteProtected(folder)) return failed(result, CommentFailure::WriteProtected);
    const FileLock lock = lockLexiconFolder(folder);
    if (!lock.held()) return failed(result, CommentFailure::Busy, lock.error());

    std::vector<std::string> source;
    if (const auto found = findFileIgnoringCase(comFile)) {
        result.comFile = *found;
        if (isWriteProtected(*found)) return failed(result, CommentFailure::WriteProtected);
        const std::optional<std::string> bytes = readFileBytes(*found);
        if (!bytes) return failed(result, CommentFailure::ReadFailed, std::strerror(errno));
        if (bytes->find('\0') != std::string::npos) {
            return failed(result, CommentFailure::NotAComFile);
        }
        source = splitLetterLines(*bytes, 0);
    } else if (fs::exists(comFile, ec)) {
        return failed(result, CommentFailure::NotAComFile);
    } else {
        result.created = true;
        source = newCommentFile(headword[1]);
    }
    const CommentRewrite rewrite = rewriteCommentLines(source, headword, comments, edit);
    result.insertedInstead = rewrite.insertedInstead;
    const WriteResult written = writeFileReplacing(result.comFile, joinLinesCrLf(rewrite.lines));
    if (!written.ok()) return failed(result, CommentFailure::WriteFailed, written.error);
    return result;
}

std::string commentOutcomeText(const CommentFileResult& result) {
    const std::string name = cp1252FromUtf8Lossy(result.comFile.filename().string());
    const std::string cause =
        result.systemError.empty() ? "" : " (" + cp1252FromUtf8Lossy(result.systemError) + ")";
    switch (result.failure) {
        case CommentFailure::None:
            if (result.insertedInstead) {
                return "Rubriken fanns inte i " + name +
                       ": kommentarerna lades in som ett nytt block";
            }
            return {};
        case CommentFailure::NoHeadword:
            return "Kommentarerna sparades inte: inget uppslagsord";
        case CommentFailure::NotAComFile:
            return "Kommentarerna sparades inte: " + name + " \xE4r ingen kommentarsfil";
        case CommentFailure::WriteProtected:
            return "Kommentarerna sparades inte: " + name + " \xE4r skrivskyddad";
        case CommentFailure::ReadFailed:
            return "Kommentarerna sparades inte: kan ej l\xE4sa " + name + cause;
        case CommentFailure::WriteFailed:
            return "Kan ej skriva till " + name + cause;
        case CommentFailure::Busy:
            return "Kommentarerna sparades inte: en annan \xE4ndring av lexikonet p\xE5g\xE5r" +
                   cause;
    }
    return {};
}

}  // namespace vernik
