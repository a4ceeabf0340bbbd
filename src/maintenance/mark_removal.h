#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// "Rensa nyord": the new-word marks taken off the lines of a lexicon
// folder's letter files.
namespace vernik {

// The lines without the marks at their starts (all of them: "¤¤test" gives
// "test", a line of marks only becomes empty), except one mark before a "."
// that would otherwise turn an alternative into a headword. Empty lines of
// the source are dropped unless `keepEmptyLines`; an empty last line stays
// either way.
std::vector<std::string> withoutNewWordMarks(const std::vector<std::string>& lines,
                                             bool keepEmptyLines);

struct MarkRemovalOptions {
    bool alsoComments = false;  // "Även kommentarer": the com files too
    bool onlyComments = false;  // "Enbart kommentarer": the com files, not the alt files
};

struct MarkRemovalResult {
    std::vector<std::filesystem::path> cleaned;  // each now has its previous version as ".bak"
    std::vector<std::string> skipped;            // files left alone, with the reason (UTF-8)
    std::string error;                           // what ended the run early (UTF-8)
    bool ok() const { return error.empty(); }
};

// Cleans the alt files and/or com files of every letter of the sequence in
// `folder`, whole lines kept. With the folder locked, each file's current
// version is written as its backup (the last three characters of its name
// "bak") and the cleaned version over the file, each through a temporary
// file, so the letter file exists at every moment. A file that cannot be read
// or holds NUL bytes is skipped; a failed write ends the run.
// `progress` gets (rank of the letter - 65) * 4 for each letter.
MarkRemovalResult removeNewWordMarks(const std::string& folder, const MarkRemovalOptions& options,
                                     const std::function<void(int)>& progress = {});

}  // namespace vernik
