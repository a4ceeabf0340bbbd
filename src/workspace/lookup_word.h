#pragma once

#include <string>
#include <string_view>

#include "lexicon/letters.h"

namespace vernik {

// The word the input box looks up: its characters from the first on while
// each is a blank, an apostrophe, a byte from '-' to 'z' or a byte of 128 or
// more. A blank in the very last position of the text is not taken.
std::string cutLookupWord(std::string_view inputText);

// What a lookup learns from the text of the input box.
struct LookupWord {
    std::string word;      // InOrd: the word cut from the text
    bool capital = false;  // CapitalInitial: the text begins with a capital
    char end = ' ';        // WordEnd: the character that ended the word
    char initial = '\0';   // LookupInitial: the letter file the word is in
};

// The text begins with a capital when its first character is one that
// upper-casing a-z leaves alone and none of the small letters ä å æ ö ü; the
// word end is a blank at the end of the text or for a control character.
LookupWord analyseLookupWord(std::string_view inputText, SpecialAlphabet special = {});

// Page and line (both from 1) of display line `line` (from 0); fewer than one
// line per page counts as one.
struct PagePosition {
    int page;
    int line;
};
PagePosition pagePosition(int line, int linesPerPage);

}  // namespace vernik
