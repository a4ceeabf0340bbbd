#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

// Naming, finding and creating the letter files of a lexicon folder.
namespace vernik {

enum class LetterKind { Alt, Com, List };

// "alt.lex", "com.lex" or "list.lex".
std::string_view kindSuffix(LetterKind kind);

// Folder paths are native (UTF-8) strings; the letter is a Windows-1252 byte
// and is written as UTF-8 in the file name. `supplement` is empty or the
// letter a-z of a supplementary lexicon ("sven" + "a" is "svena"). A letter
// that would name a file outside the folder ("/", "\\", NUL) has no letter
// file: the result is then the empty path, which names no file.
fs::path letterFileName(const std::string& folder, std::string_view supplement, char letter,
                        LetterKind kind);

// The letter file as it exists on disk, its name matched without regard to
// case (balt.lex is the file of B); nothing when there is no such file.
std::optional<fs::path> findLetterFile(const std::string& folder, std::string_view supplement,
                                       char letter, LetterKind kind);

// The template every created letter file starts from: the bare letter entry,
// the end-of-file sentinel and the line after it.
std::vector<std::string> letterFileTemplate(char letter);

// The sentinel headword line of a letter: "." + lower-case letter + "ÿÿÿ".
std::string sentinelLine(char letter);

inline constexpr std::string_view kSentinelFollower = "Filslutsindikering";

// A folder counts as a lexicon when it holds Aalt.lex and as a list folder
// when it holds Alist.lex.
bool isLexiconFolder(const std::string& folder);
bool isListFolder(const std::string& folder);

// Every writer of a lexicon folder's letter files holds the folder's lock
// (the file ".vernik.lock" in it) from reading a letter file to putting its
// new version in place, so that two writers never work from the same version.
inline constexpr std::string_view kLexiconLockName = ".vernik.lock";
inline constexpr std::chrono::milliseconds kLexiconLockWait{5000};
FileLock lockLexiconFolder(const fs::path& folder,
                           std::chrono::milliseconds wait = kLexiconLockWait);

// Writes the template com and alt file of every letter of the sequence that
// lacks them; existing files are left alone. Returns the first write error.
WriteResult createMissingLetterFiles(const std::string& folder);

}  // namespace vernik
