#pragma once

#include <string>
#include <string_view>

// The word whose media files are sought, as each caller of the media lookup
// forms it from its text (Windows-1252 bytes). An empty result means no
// media lookup.
namespace vernik {

// After a lexicon lookup: the looked-up word without trailing blanks.
std::string lookupMediaWord(std::string_view word);

// The text with every blank and every "." removed.
std::string withoutBlanksAndDots(std::string_view text);

// In a word-list search: only a word written with a leading "." has media;
// every blank and every "." is removed from it (".test" gives "test").
std::string listSearchMediaWord(std::string_view word);

// From a selection in the comment box: the leading run of blanks,
// apostrophes, the characters "-" through "z" and the codes 128..255, without
// a blank in its last position.
std::string selectionMediaWord(std::string_view selection);

}  // namespace vernik
