#include "maintenance/mark_removal.h"

#include <tuple>

#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "maintenance/letter_file_rewrite.h"
#include "maintenance/lexicon_change.h"
#include "platform/files.h"

namespace vernik {
namespace {

// Cleans one letter file; false when the run must end.
bool cleanFile(const fs::path& file, bool keepEmptyLines, MarkRemovalResult& result) {
    const std::optional<std::string> bytes = readFileBytes(file);
    if (!bytes) {
        result.skipped.push_back(file.string() + ": kunde inte l\xC3\xA4sas");
        return true;
    }
    if (isWriteProtected(file)) {
        result.skipped.push_back(file.string() + ": skrivskyddad");
        return true;
    }
    if (bytes->find('\0') != std::string::npos) {
        result.skipped.push_back(file.string() + ": ingen bokstavsfil (NUL-tecken)");
        return true;
    }
    const std::vector<std::string> lines = splitLetterLines(*bytes, 0);
    const std::string cleaned = joinLinesCrLf(withoutNewWordMarks(lines, keepEmptyLines));
    const fs::path backup = backupFileName(file);
    WriteResult written = writeFileReplacing(backup, *bytes);
    if (written.ok()) written = writeFileReplacing(file, cleaned);
    if (!written.ok()) {
        result.error = written.error;
        return false;
    }
    result.cleaned.push_back(file);
    return true;
}

}  // namespace

std::vector<std::string> withoutNewWordMarks(const std::vector<std::string>& lines,
                                             bool keepEmptyLines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() && !keepEmptyLines && i + 1 < lines.size()) continue;
        std::size_t marks = line.find_first_not_of(kNewWordMark);
        // A marked alternative that begins with "." keeps one mark: without
        // it the line would read as a headword.
        if (marks != std::string::npos && marks > 0 && line[marks] == '.') --marks;
        out.push_back(marks == std::string::npos ? std::string() : line.substr(marks));
    }
    return out;
}

MarkRemovalResult removeNewWordMarks(const std::string& folder, const MarkRemovalOptions& options,
                                     const std::function<void(int)>& progress) {
    MarkRemovalResult result;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        result.error = "mappen finns inte: " + folder;
        return result;
    }
    const FileLock lock = lockLexiconFolder(folder);
    if (!lock.held()) {
        result.error = lock.busy() ? "en annan \xC3\xA4ndring av " + folder + " p\xC3\xA5g\xC3\xA5r"
                                   : "mappen kunde inte l\xC3\xA5sas: " + lock.error();
        return result;
    }
    const bool alt = !options.onlyComments;
    const bool com = options.alsoComments || options.onlyComments;
    for (char letter = 'A'; letter != '['; letter = nextLetter(letter)) {
        if (progress) progress((static_cast<unsigned char>(letter) - 65) * 4);
        for (const auto& [wanted, kind, keepEmpty] :
             {std::tuple{alt, LetterKind::Alt, false}, std::tuple{com, LetterKind::Com, true}}) {
            if (!wanted) continue;
            const auto file = findLetterFile(folder, "", letter, kind);
            if (file && !cleanFile(*file, keepEmpty, result)) return result;
        }
    }
    return result;
}

}  // namespace vernik
