#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Storing the comment box's lines under a headword in a com file: "Lägg in
// kommentarer" adds a block, "Byt ut kommentarer" replaces the first one.
namespace vernik {

enum class CommentEdit { Insert, Replace };

// The comment lines of the comment box: its lines up to the first empty one.
std::vector<std::string> commentBoxLines(const std::vector<std::string>& boxLines);

// The com file written for the first comment of a letter whose com file is
// missing; `letter` is the headword's first letter as it stands.
std::vector<std::string> newCommentFile(char letter);

struct CommentRewrite {
    std::vector<std::string> lines;
    // A replace found no line equal to the headword and inserted the block.
    bool insertedInstead = false;
};

// The com file `source` with the block of `headword` (its line, "."
// included) holding `comments`. Insert: the block goes in front of the first
// headword line that sorts after the headword in plain byte order or of the
// end-of-file sentinel (whatever the case of its letter), behind an existing
// block of the same headword, or after the last line of a file without a
// sentinel. Replace: the comment lines under the first line equal to the
// headword become `comments`; later blocks stay.
CommentRewrite rewriteCommentLines(const std::vector<std::string>& source,
                                   std::string_view headword,
                                   const std::vector<std::string>& comments, CommentEdit edit);

enum class CommentFailure {
    None,
    NoHeadword,      // the headword box holds no headword line
    NotAComFile,     // a folder, or bytes that no com file holds
    WriteProtected,  // the com file or its folder
    ReadFailed,
    WriteFailed,
    Busy,  // another writer held the lexicon folder's lock
};

struct CommentFileResult {
    CommentFailure failure = CommentFailure::None;
    std::string systemError;
    std::filesystem::path comFile;  // the file written, as found on disk
    bool created = false;           // the com file was missing and is new
    bool insertedInstead = false;
    bool ok() const { return failure == CommentFailure::None; }
};

// Rewrites the com file (found without regard to case, created when missing)
// with the comment block. The new version is written to a temporary file in
// the same folder and renamed over the com file, so the old one stays whole
// until the new one is complete; no backup is kept.
CommentFileResult writeCommentBlock(const std::filesystem::path& comFile, std::string_view headword,
                                    const std::vector<std::string>& comments, CommentEdit edit);

// What the message bar says of a rewrite (Windows-1252); nothing when it went
// as asked.
std::string commentOutcomeText(const CommentFileResult& result);

}  // namespace vernik
