#pragma once

#include <string>

// The digits typed in front of an alternative give its place among the
// headword's alternatives.
namespace vernik {

// No prefix: the alternative goes after the others.
inline constexpr int kAppendPosition = 200;

struct PositionPrefix {
    std::string digits;              // the one or two digits taken off, empty when none
    int position = kAppendPosition;  // 1-99 a place, 0 delete, kAppendPosition append
};

// Takes up to two leading digits off `text`; a third digit stays part of the word.
PositionPrefix takePositionPrefix(std::string& text);

}  // namespace vernik
