#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "lexicon/letter_files.h"
#include "maintenance/letter_file_rewrite.h"

// Committing a change to a letter file: the previous version becomes the
// file's backup (".bak" in place of ".lex") and the rewrite gives the new
// version under the letter file's name. The letter file is present at every
// moment: the new version and the backup copy are written under temporary
// names and renamed into place, the backup first.
namespace vernik {

enum class ChangeFailure {
    None,
    NoLetterFile,          // neither the letter file nor its backup exists
    NotALetterFile,        // a folder, or bytes that no letter file holds
    WriteProtected,        // the letter file itself
    FolderWriteProtected,  // the folder that holds it
    Busy,                  // another writer held the folder's lock for the whole wait
    LockFailed,            // the lock file could not be opened
    ReadFailed,
    WriteFailed,   // the new version, the backup or the restored letter file
    RenameFailed,  // putting one of them in place
};

struct ChangeResult {
    ChangeFailure failure = ChangeFailure::None;
    std::string systemError;  // the platform's message for a failed file operation
    std::filesystem::path letterFile;
    std::filesystem::path backupFile;  // BakFileName
    std::filesystem::path failedFile;  // the file that could not be written or put in place
    // The letter file was missing and was first restored from its backup.
    bool restoredFromBackup = false;
    RewriteResult rewrite;  // the change made, when nothing failed

    bool ok() const { return failure == ChangeFailure::None; }
};

// The steps of a commit, in order, after which it may be interrupted.
enum class CommitStep {
    Locked,              // the folder's lock is held; nothing is written yet
    Restored,            // a missing letter file is back from its backup
    NewVersionWritten,   // under its temporary name
    BackupWritten,       // the copy of the current version, under its temporary name
    BackupInPlace,       // the copy is the backup; the letter file is still the current version
    LetterFileReplaced,  // the new version is the letter file
};

struct CommitOptions {
    std::chrono::milliseconds lockWait = kLexiconLockWait;
    // Called after each step that is reached; tests stop the process there.
    std::function<void(CommitStep)> afterStep{};
};

// The letter file's name with its last three characters replaced by "bak".
std::filesystem::path backupFileName(const std::filesystem::path& letterFile);

// Writes the new version of the letter file with the change applied and
// keeps the current one as its backup, replacing the backup of the previous
// change; the file is matched without regard to case. A letter file that is
// missing while its backup exists is restored from the backup first. A file
// that is write-protected, in a write-protected folder, unreadable or not a
// letter file is left as it is, and so is everything else when a step fails.
ChangeResult commitLetterFileChange(const std::filesystem::path& letterFile,
                                    const RewriteRequest& request,
                                    const CommitOptions& options = {});

// The status box text of a commit (Windows-1252): the rewrite's status with
// notes when the letter file lacked its end-of-file sentinel or was restored
// from its backup, or what went wrong. Nothing when the status box stays
// hidden.
std::optional<std::string> changeStatusText(const ChangeResult& result);

}  // namespace vernik
