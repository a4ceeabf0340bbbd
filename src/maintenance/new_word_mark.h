#pragma once

#include <string>
#include <string_view>

#include "lexicon/letters.h"

// When the alternatives a change adds carry the new-word mark (kNewWordMark).
namespace vernik {

// Whether the alternatives a change adds carry the mark: not when marking is
// switched off, nor during the batch operations reversal ("o") and the two
// lexicon subtractions ("s", "z").
inline bool marksAddedAlternatives(bool markNewWords, char batchOp) {
    constexpr std::string_view unmarkedOps = "oOsSzZ";
    return markNewWords && unmarkedOps.find(batchOp) == std::string_view::npos;
}

// Removes the new-word mark of an alternative line, unless the line would
// then begin with "." and read as a headword.
inline void clearNewWordMark(std::string& line) {
    if (!line.empty() && line[0] == kNewWordMark && (line.size() == 1 || line[1] != '.')) {
        line.erase(0, 1);
    }
}

}  // namespace vernik
