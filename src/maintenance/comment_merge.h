#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The comments of a lexicon merge: for each headword the merge visits, the
// result com file gets the headword's comments from the main com file, then
// those of the second com file that differ from every line of the main block.
namespace vernik {

// The two com files of one letter, both present, and their bytes.
struct ComFilePair {
    std::filesystem::path mainPath;
    std::filesystem::path secondPath;
    std::string_view mainBytes;
    std::string_view secondBytes;
};

// What the result com file holds for one headword line H (exactly as the
// alt file has it): the main block (H and the comment lines of every block
// of H in the main com file, in file order), then each line of the second
// file's block that is identical to no line of the main block, so H itself
// only when the main file has no block of H. Lines are read up to 255
// characters; a com file ends at its end-of-file sentinel.
class CommentMerge {
  public:
    virtual ~CommentMerge() = default;
    // Appends the lines for `headwordLine`, each ended by CR LF.
    virtual void appendMerged(std::string_view headwordLine, std::string& out) = 0;
};

using CommentMergeFactory = std::function<std::unique_ptr<CommentMerge>(const ComFilePair&)>;

// Indexes the blocks of both files by headword line once, so that a
// headword's comments are found without reading the files again.
std::unique_ptr<CommentMerge> indexedCommentMerge(const ComFilePair& files);

// The headword lines of a com file before its sentinel, each once, in the
// order of their first block.
std::vector<std::string_view> comHeadwords(std::string_view bytes);

}  // namespace vernik
