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

// No write permission for its owner, or none for this process.
bool isWriteProtected(const fs::path& path) {
    std::error_code ec;
    const fs::perms perms = fs::status(path, ec).permissions();
    if (ec) return false;
    return (perms & fs::perms::owner_write) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

ChangeResult failed(ChangeResult result, ChangeFailure failure, std::string systemError = {}) {
    result.failure = failure;
    result.systemError = std::move(systemError);
    return result;
}

// The checks made before anything is touched; reads the letter file's bytes.
ChangeFailure checkLetterFile(const fs::path& letterFile, std::optional<std::string>& bytes) {
    if (!isRegularFile(letterFile)) return ChangeFailure::NotALetterFile;
    if (isWriteProtected(letterFile)) return ChangeFailure::WriteProtected;
    if (isWriteProtected(folderOf(letterFile))) return ChangeFailure::FolderWriteProtected;
    bytes = readFileBytes(letterFile);
    if (!bytes) return ChangeFailure::ReadFailed;
    if (!holdsLetterFileBytes(*bytes)) return ChangeFailure::NotALetterFile;
    return ChangeFailure::None;
}

// A file name as the status box shows it.
std::string shownName(const fs::path& path) {
    return cp1252FromUtf8Lossy(path.filename().string());
}

std::string failureText(const ChangeResult& result) {
    const std::string name = shownName(result.letterFile);
    const std::string backup = shownName(result.backupFile);
    const std::string cause = " (" + cp1252FromUtf8Lossy(result.systemError) + ")";
    std::string text = "\xC4ndringen gjordes inte: ";
    switch (result.failure) {
        case ChangeFailure::NotALetterFile:
            return text + "ingen bokstavsfil: " + name;
        case ChangeFailure::WriteProtected:
            return text + "bokstavsfilen \xE4r skrivskyddad: " + name;
        case ChangeFailure::FolderWriteProtected:
            return text + "mappen \xE4r skrivskyddad: " + shownName(folderOf(result.letterFile));
        case ChangeFailure::ReadFailed:
            return text + name + " kunde inte l\xE4sas" + cause;
        case ChangeFailure::RenameFailed:
            return text + name + " kunde inte d\xF6pas om till " + backup + cause;
        case ChangeFailure::TargetExists:
            return text + name + " fanns redan; f\xF6rra versionen ligger i " + backup;
        case ChangeFailure::WriteFailed:
            text += name + " kunde inte skrivas" + cause;
            if (!result.restored) text += "; f\xF6rra versionen ligger i " + backup;
            return text;
        case ChangeFailure::None:
            break;
    }
    return text;
}

}  // namespace

fs::path backupFileName(const fs::path& letterFile) {
    std::string name = letterFile.string();
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return name + "bak";
}

ChangeResult commitLetterFileChange(const fs::path& letterFile, const RewriteRequest& request) {
    ChangeResult result;
    result.letterFile = letterFile;
    result.backupFile = backupFileName(letterFile);
    std::optional<std::string> bytes;
    std::error_code ec;
    if (fs::exists(letterFile, ec)) {
        const ChangeFailure check = checkLetterFile(letterFile, bytes);
        if (check == ChangeFailure::ReadFailed) return failed(result, check, std::strerror(errno));
        if (check != ChangeFailure::None) return failed(result, check);
        ::unlink(result.backupFile.c_str());  // the backup of the previous change
    }
    // Without a letter file the rename fails, and the backup stays as it was.
    if (::rename(letterFile.c_str(), result.backupFile.c_str()) != 0) {
        return failed(result, ChangeFailure::RenameFailed, std::strerror(errno));
    }
    if (fs::exists(letterFile, ec)) return failed(result, ChangeFailure::TargetExists);
    if (!bytes) bytes = readFileBytes(result.backupFile);
    if (!bytes) {
        const std::string error = std::strerror(errno);
        result.restored = ::rename(result.backupFile.c_str(), letterFile.c_str()) == 0;
        return failed(result, ChangeFailure::ReadFailed, error);
    }

    RewriteResult rewrite = rewriteLetterLines(splitLetterLines(*bytes), request);
    const WriteResult written = writeFileReplacing(letterFile, joinLinesCrLf(rewrite.lines));
    if (!written.ok()) {
        // The previous version goes back in place rather than leaving the
        // letter file missing.
        result.restored = ::rename(result.backupFile.c_str(), letterFile.c_str()) == 0;
        return failed(result, ChangeFailure::WriteFailed, written.error);
    }
    result.rewrite = std::move(rewrite);
    return result;
}

std::optional<std::string> changeStatusText(const ChangeResult& result) {
    if (!result.ok()) return failureText(result);
    std::optional<std::string> status = result.rewrite.status;
    if (status && result.rewrite.sourceEndedEarly) {
        *status += " (filslutsindikering saknades; posten skrevs sist i filen)";
    }
    return status;
}

}  // namespace vernik
