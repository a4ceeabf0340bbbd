#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/letters.h"
#include "maintenance/comment_rewrite.h"

// Where the comments typed for the headword shown are stored: the com file
// of the lexicon whose headword the headword box shows (the main lexicon's,
// not a supplementary one's).
namespace vernik {

struct CommentTarget {
    std::string headword;  // the headword box: the headword line, "." included
    std::filesystem::path comFile;
    bool hasComments = false;  // the com file holds comment lines under the headword

    // What the comment button offers: replacing the comments the headword
    // has, or adding a block.
    CommentEdit offered() const { return hasComments ? CommentEdit::Replace : CommentEdit::Insert; }
};

// The target of `headword` in the lexicon `folder`, whose letter files of
// `letter` the lookup read.
CommentTarget commentTarget(const std::string& folder, char letter, std::string headword);

// Looks `typed` up as the input box does, with Lexicon1 = `folder`; nothing
// when the word is empty or its letter file is missing.
std::optional<CommentTarget> lookUpCommentTarget(const std::string& folder, std::string_view typed,
                                                 SpecialAlphabet special = {});

}  // namespace vernik
