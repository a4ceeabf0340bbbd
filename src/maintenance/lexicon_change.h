#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "maintenance/letter_file_rewrite.h"

// Committing a change to a letter file: the previous version becomes the
// file's backup (".bak" in place of ".lex") and the rewrite writes the new
// version under the letter file's name.
namespace vernik {

enum class ChangeFailure {
    None,
    NotALetterFile,        // a folder, or bytes that no letter file holds
    WriteProtected,        // the letter file itself
    FolderWriteProtected,  // the folder that holds it
    ReadFailed,
    RenameFailed,  // to the backup name; also when there is no letter file
    TargetExists,  // a file took the letter file's name after it was renamed
    WriteFailed,
};

struct ChangeResult {
    ChangeFailure failure = ChangeFailure::None;
    std::string systemError;  // the platform's message for a failed file operation
    std::filesystem::path letterFile;
    std::filesystem::path backupFile;  // BakFileName
    // After WriteFailed: whether the previous version is back under the
    // letter file's name (otherwise it is in the backup).
    bool restored = false;
    RewriteResult rewrite;  // the change made, when nothing failed

    bool ok() const { return failure == ChangeFailure::None; }
};

// The letter file's name with its last three characters replaced by "bak".
std::filesystem::path backupFileName(const std::filesystem::path& letterFile);

// Deletes the backup of the previous change, renames the letter file to its
// backup name and rewrites it from there. A file that is write-protected, in
// a write-protected folder, unreadable or not a letter file is left as it is.
ChangeResult commitLetterFileChange(const std::filesystem::path& letterFile,
                                    const RewriteRequest& request);

// The status box text of a commit (Windows-1252): the rewrite's status with a
// note when the letter file lacked its end-of-file sentinel, or what went
// wrong. Nothing when the rewrite leaves the status box hidden.
std::optional<std::string> changeStatusText(const ChangeResult& result);

}  // namespace vernik
