#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/letters.h"

// The letter-file rewrite: copies a letter file line by line with one change
// applied to one headword. A new headword is added with up to three
// alternatives; for an existing headword an alternative is added, placed at a
// position typed in front of it, or deleted. Used by the commit of a lexicon
// change and, once per pair, by the lexicon reversal.
namespace vernik {

// The placeholder alternative left when the last alternative is deleted.
inline constexpr std::string_view kNoTranslation = "Ingen \xF6vers.";

// Everything the rewrite depends on; the texts are Windows-1252 bytes.
struct RewriteRequest {
    std::string_view word{};  // InOrd: the headword the change concerns
    std::string_view alt1{};  // EditPAlt1: the alternative, maybe with a position prefix
    std::string_view alt2{};  // EditPAlt2 and EditPAlt3: further alternatives of
    std::string_view alt3{};  // a new headword
    bool markNewWords = true;
    char batchOp = 'n';
    const CollationRank* rank = nullptr;  // identity ranks when null
};

enum class RewriteOutcome {
    Unchanged,         // the word never stopped the search: the file is copied as it was
    NewHeadword,       // "." + word was added with its alternatives
    ExistingHeadword,  // the alternatives of "." + word were changed
};

struct RewriteResult {
    std::vector<std::string> lines;  // the new letter file
    RewriteOutcome outcome = RewriteOutcome::Unchanged;

    // The status box Edit5: its text, or nothing when it stays hidden.
    std::optional<std::string> status;
    // The headword box Edit2, when the rewrite sets it.
    std::optional<std::string> headwordBox;
    // The alternative boxes after the change. With ExistingHeadword the boxes
    // EditPAlt2, EditPAlt3, EditPAlt5 and EditPAlt6 are emptied and hidden,
    // and so are the paging labels.
    std::string alt1;
    std::string alt2;
    std::string alt3;

    // The source ended before the end-of-file sentinel closed the changed
    // entry (a damaged letter file): the entry was written at the end.
    bool sourceEndedEarly = false;
    // The word was the headword's first alternative already: the new-word
    // marks of the lines after the entry were cleared (those of one-character
    // headwords' blocks excepted).
    bool clearedLaterMarks = false;
};

// Rewrites the letter file whose lines are `source` (lines longer than the
// lexicon limit of 255 bytes are cut).
RewriteResult rewriteLetterLines(const std::vector<std::string>& source,
                                 const RewriteRequest& request);

// The lines of a letter file's bytes: a line ends at CR LF, LF or a lone CR
// (files written on other systems), a last line without a line end still
// counts, and every line is cut to `maxLength` bytes (0 keeps whole lines).
std::vector<std::string> splitLetterLines(std::string_view bytes, std::size_t maxLength = 255);

}  // namespace vernik
