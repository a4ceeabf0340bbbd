#pragma once

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

}  // namespace vernik
