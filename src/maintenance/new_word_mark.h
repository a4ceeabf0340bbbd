#pragma once

#include <string>
#include <string_view>

// The mark in front of an alternative that was added through the program.
namespace vernik {

inline constexpr char kNewWordMark = '\xA4';  // ¤

// Whether the alternatives a change adds carry the mark: not when marking is
// switched off, nor during the batch operations reversal ("o") and the two
// lexicon subtractions ("s", "z").
inline bool marksAddedAlternatives(bool markNewWords, char batchOp) {
    constexpr std::string_view unmarkedOps = "oOsSzZ";
    return markNewWords && unmarkedOps.find(batchOp) == std::string_view::npos;
}

}  // namespace vernik
