#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/letters.h"
#include "maintenance/comment_merge.h"

// Merging two lexicon folders into a third, letter file by letter file: the
// main lexicon is compared with a second one headword by headword, and what
// each operation keeps is written to the result folder. Neither input is
// written.
//
//                           addition             difference         not in main
//   only in the main        as it is             as it is           nothing
//   only in the second      alternatives marked  as it is           as it is
//   in both                 main's, then the     the second's new   as difference
//                           second's new ones    ones, if any
//                           marked
//
// An alternative of the second lexicon is new when no alternative of the main
// one is identical to it; it is marked ("¤" in front) only by an addition
// with marking on.
namespace vernik {

enum class MergeOperation { Add, Difference, NotInMain };

// The operation of a batch letter: "a", "s" or "z" in either case.
std::optional<MergeOperation> mergeOperationOf(char batchOp);

// The message bar's text while the operation runs (Windows-1252).
std::string_view mergeRunningText(MergeOperation operation);

// The letters a merge visits, in order; no Ü and no digits.
inline constexpr std::string_view kMergeLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xC5\xD6";

// The progress bar before `letter`: 0 at A, 4 more a letter, full from Z on.
int mergeProgress(char letter);

struct MergeRequest {
    MergeOperation operation = MergeOperation::Add;
    std::string mainFolder{};  // native paths
    std::string secondFolder{};
    std::string resultFolder{};
    bool markNewWords = false;
    const CollationRank* rank = nullptr;  // identity ranks when null
    // How a headword's comments are found; indexed once per letter when empty.
    CommentMergeFactory commentMerge{};
};

// What a letter or a run reported.
struct MergeReport {
    // The message bar's texts about missing or empty letter files (Windows-1252).
    std::vector<std::string> messages;
    // The platform's message for a file that could not be read or written,
    // or the reason the run was refused; empty when none. A run ends there.
    std::string error;

    bool ok() const { return error.empty(); }
};

// Merges the letter files of `letter`. Each result file is written whole
// under a temporary name and renamed into place.
MergeReport mergeLetter(const MergeRequest& request, char letter);

// Called before each letter with the letter and the progress bar's value,
// and with each message as it arises.
struct MergeObserver {
    std::function<void(char letter, int progress)> letterStarts{};
    std::function<void(const std::string& message)> message{};
};

// Merges every letter of kMergeLetters, holding the result folder's lock. A
// result folder that is one of the inputs is refused before anything is
// written; the first file error ends the run.
MergeReport runMerge(const MergeRequest& request, const MergeObserver& observer = {});

// Whether headword line `a` sorts after `b` in a merge: walking from the
// first character while both have the same character in "-" to "z" or at
// 128 and above, then comparing ranks where the walk stopped, a line that
// has ended counting as lower. Lines that differ only after a common
// character outside those ranges (a blank, a comma) sort as equal.
bool mergeSortsAfter(std::string_view a, std::string_view b, const CollationRank& rank);

}  // namespace vernik
