#include "maintenance/lexicon_change.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik {
namespace {

// Readers never find a NUL byte in a letter file, and every letter file
// begins with a headword line.
bool holdsLetterFileBytes(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    return bytes.empty() || bytes[0] == '.';
}

// The names of letter files and their backups, whose temporaries a commit
// clears away.
bool isLetterFileTarget(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string ending = lowerCase(name.substr(name.size() - 4));
    return ending == ".lex" || ending == ".bak";
}

// `file` with its last three characters replaced by those of `from`.
fs::path withEndingOf(const fs::path& file, const fs::path& from) {
    std::string name = file.string();
    const std::string source = from.string();
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return name + source.substr(source.size() >= 3 ? source.size() - 3 : 0);
}

void fail(ChangeResult& result, ChangeFailure failure, std::string systemError = {},
          fs::path failedFile = {}) {
    result.failure = failure;
    result.systemError = std::move(systemError);
    result.failedFile = std::move(failedFile);
}

// The checks made before the letter file is read; reads its bytes.
ChangeFailure checkLetterFile(const fs::path& letterFile, std::optional<std::string>& bytes) {
    if (!isRegularFile(letterFile)) return ChangeFailure::NotALetterFile;
    if (isWriteProtected(letterFile)) return ChangeFailure::WriteProtected;
    bytes = readFileBytes(letterFile);
    if (!bytes) return ChangeFailure::ReadFailed;
    if (!holdsLetterFileBytes(*bytes)) return ChangeFailure::NotALetterFile;
    return ChangeFailure::None;
}

// A file name as the status box shows it.
std::string shownName(const fs::path& path) {
    return cp1252FromUtf8Lossy(path.filename().string());
}

std::string restoredNote(const ChangeResult& result) {
    return shownName(result.letterFile) + " saknades och \xE5terst\xE4lldes fr\xE5n " +
           shownName(result.backupFile);
}

std::string failureText(const ChangeResult& result) {
    const std::string name = shownName(result.letterFile);
    const std::string cause = " (" + cp1252FromUtf8Lossy(result.systemError) + ")";
    std::string text = "\xC4ndringen gjordes inte: ";
    if (result.restoredFromBackup) text = restoredNote(result) + "; " + text;
    switch (result.failure) {
        case ChangeFailure::NoLetterFile:
        case ChangeFailure::NotALetterFile:
            return text + "ingen bokstavsfil: " + name;
        case ChangeFailure::WriteProtected:
            return text + "bokstavsfilen \xE4r skrivskyddad: " + name;
        case ChangeFailure::FolderWriteProtected:
            return text +
                   "mappen \xE4r skrivskyddad: " + shownName(folderHolding(result.letterFile));
        case ChangeFailure::Busy:
            return text + "en annan \xE4ndring av " + shownName(folderHolding(result.letterFile)) +
                   " p\xE5g\xE5r";
        case ChangeFailure::LockFailed:
            return text + "mappen kunde inte l\xE5sas" + cause;
        case ChangeFailure::ReadFailed:
            return text + (result.failedFile.empty() ? name : shownName(result.failedFile)) +
                   " kunde inte l\xE4sas" + cause;
        case ChangeFailure::WriteFailed:
            return text + shownName(result.failedFile) + " kunde inte skrivas" + cause;
        case ChangeFailure::RenameFailed:
            return text + shownName(result.failedFile) + " kunde inte ers\xE4ttas" + cause;
        case ChangeFailure::None:
            break;
    }
    return text;
}

void reached(const CommitOptions& options, CommitStep step) {
    if (options.afterStep) options.afterStep(step);
}

// Puts the backup of a missing letter file back under the letter file's
// name (in the backup's own case), leaving the backup as it is.
void restoreFromBackup(ChangeResult& result) {
    const auto backup = findFileIgnoringCase(backupFileName(result.letterFile));
    if (!backup) return fail(result, ChangeFailure::NoLetterFile);
    result.backupFile = *backup;
    const std::optional<std::string> bytes = readFileBytes(*backup);
    if (!bytes) return fail(result, ChangeFailure::ReadFailed, std::strerror(errno), *backup);
    if (!holdsLetterFileBytes(*bytes)) return fail(result, ChangeFailure::NotALetterFile);
    const fs::path restored = withEndingOf(*backup, result.letterFile);
    const WriteResult written = writeFileReplacing(restored, *bytes);
    if (!written.ok()) return fail(result, ChangeFailure::WriteFailed, written.error, restored);
    result.letterFile = restored;
    result.restoredFromBackup = true;
}

// Writes the new version and the backup copy under temporary names, then
// renames the backup into place and the new version over the letter file.
void replaceLetterFile(ChangeResult& result, const std::string& current, const std::string& next,
                       const CommitOptions& options) {
    const fs::path letterFile = result.letterFile;
    const fs::path backupFile = result.backupFile;
    const fs::path newVersion = temporaryFileName(letterFile);
    const fs::path backupCopy = temporaryFileName(backupFile);
    WriteResult step = writeTemporaryFile(letterFile, next);
    if (!step.ok()) return fail(result, ChangeFailure::WriteFailed, step.error, letterFile);
    reached(options, CommitStep::NewVersionWritten);
    // A copy rather than a hard link: a program that writes the letter file
    // in place would change a linked backup with it.
    step = writeTemporaryFile(backupFile, current);
    if (!step.ok()) {
        ::unlink(newVersion.c_str());
        return fail(result, ChangeFailure::WriteFailed, step.error, backupFile);
    }
    reached(options, CommitStep::BackupWritten);
    step = renameReplacing(backupCopy, backupFile);
    if (!step.ok()) {
        ::unlink(newVersion.c_str());
        ::unlink(backupCopy.c_str());
        return fail(result, ChangeFailure::RenameFailed, step.error, backupFile);
    }
    reached(options, CommitStep::BackupInPlace);
    step = renameReplacing(newVersion, letterFile);
    if (!step.ok()) {
        ::unlink(newVersion.c_str());
        return fail(result, ChangeFailure::RenameFailed, step.error, letterFile);
    }
    reached(options, CommitStep::LetterFileReplaced);
}

}  // namespace

fs::path backupFileName(const fs::path& letterFile) {
    std::string name = letterFile.string();
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return name + "bak";
}

ChangeResult commitLetterFileChange(const fs::path& letterFile, const RewriteRequest& request,
                                    const CommitOptions& options) {
    ChangeResult result;
    result.letterFile = letterFile;
    const fs::path folder = folderHolding(letterFile);
    std::error_code ec;
    if (!letterFile.has_filename() || !fs::is_directory(folder, ec)) {
        fail(result, ChangeFailure::NoLetterFile);
        return result;
    }
    result.backupFile = backupFileName(letterFile);
    if (isWriteProtected(folder)) {
        fail(result, ChangeFailure::FolderWriteProtected);
        return result;
    }

    const FileLock lock = lockLexiconFolder(folder, options.lockWait);
    if (!lock.held()) {
        fail(result, lock.busy() ? ChangeFailure::Busy : ChangeFailure::LockFailed, lock.error());
        return result;
    }
    reached(options, CommitStep::Locked);
    removeStrayTemporaries(folder, isLetterFileTarget);

    if (const auto found = findFileIgnoringCase(letterFile)) {
        result.letterFile = *found;
    } else if (fs::exists(letterFile, ec)) {
        fail(result, ChangeFailure::NotALetterFile);
        return result;
    } else {
        restoreFromBackup(result);
        if (!result.ok()) return result;
        reached(options, CommitStep::Restored);
    }
    result.backupFile = backupFileName(result.letterFile);

    std::optional<std::string> bytes;
    const ChangeFailure check = checkLetterFile(result.letterFile, bytes);
    if (check != ChangeFailure::None) {
        fail(result, check, check == ChangeFailure::ReadFailed ? std::strerror(errno) : "");
        return result;
    }
    RewriteResult rewrite = rewriteLetterLines(splitLetterLines(*bytes), request);
    replaceLetterFile(result, *bytes, joinLinesCrLf(rewrite.lines), options);
    if (result.ok()) result.rewrite = std::move(rewrite);
    return result;
}

std::optional<std::string> changeStatusText(const ChangeResult& result) {
    if (!result.ok()) return failureText(result);
    std::optional<std::string> status = result.rewrite.status;
    if (status && result.rewrite.sourceEndedEarly) {
        *status += " (filslutsindikering saknades; posten skrevs sist i filen)";
    }
    if (result.restoredFromBackup) {
        status = status ? *status + " (" + restoredNote(result) + ")" : restoredNote(result);
    }
    return status;
}

}  // namespace vernik
