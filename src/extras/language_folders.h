#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where the interface languages lie. The language root holds one folder per
// language, Lang1, Lang2, ..., numbered from 1; each may hold a description
// "Start.txt", the label file, the start text, the manuals and a picture.
namespace vernik {

// The start folder's "Lang" when that folder exists; otherwise the "Lang" of
// the program's own data folder when there is one; otherwise the start
// folder's "Lang" all the same, so that every file is simply missing.
std::filesystem::path languageRoot(const std::filesystem::path& startFolder,
                                   const std::optional<std::filesystem::path>& dataFolder);

// The folder of language `number` (from 1) under the root.
std::filesystem::path languageFolder(const std::filesystem::path& root, int number);

// What a language's "Start.txt" says of it: its name (line 13, UTF-8) and its
// picture (line 16, a file name inside the language folder that exists).
struct LanguageDescription {
    std::string name;
    std::optional<std::filesystem::path> picture;
};

// The description of the language in `folder`, or nothing without "Start.txt".
std::optional<LanguageDescription> readLanguageDescription(const std::filesystem::path& folder);

// The language to switch to at program start, from line 17 of the first
// language's description.
struct StartLanguage {
    bool descriptionFound = false;
    std::filesystem::path descriptionFile;
    int number = 0;  // above 0: the language to load; otherwise the built-in texts stay
    // Line 17 holds text that is no whole number; the built-in texts stay.
    bool lineUnreadable = false;
    std::string line;  // line 17 as read, UTF-8
};

// A missing or blank line 17 and a number of 0 or below keep the built-in texts.
StartLanguage findStartLanguage(const std::filesystem::path& root);

}  // namespace vernik
