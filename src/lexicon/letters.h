#pragma once

#include <array>
#include <string>
#include <string_view>

// The letters that name lexicon files and the byte order of headwords.
namespace vernik {

// The mark in front of an alternative that was added through the program.
inline constexpr char kNewWordMark = '\xA4';  // ¤

// Rank of each byte value for comparing headwords.
using CollationRank = std::array<int, 256>;

// The identity ranks: headwords compare in plain byte order.
CollationRank identityCollationRank();

// Active special alphabet of the foreign language: its letters live in the
// upper half of the font, `shift` bytes above their Latin letters.
struct SpecialAlphabet {
    bool foreignSpecial = false;
    unsigned char shift = 0;
};

// The letter that names the files of `word`: its first character after up to
// two leading dots, upper-cased and with accented letters folded (ü to Ü). An empty
// word gives '\0'.
char initialLetter(std::string_view word, SpecialAlphabet special = {});

// The 39 letters that whole-folder operations visit: A-Z, Å Ä Ö Ü, 1-9.
inline constexpr std::string_view kLetterSequence =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC5\xC4\xD6\xDC"
    "123456789";

// The letter after `letter` in the sequence; '[' after '9' ends every walk.
char nextLetter(char letter);

// a-z to A-Z; every other byte unchanged.
inline constexpr char upperCaseAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

// A-Z, Å, Ä, Ö and Ü to lower case; every other byte unchanged.
std::string lowerCase(std::string_view text);
char lowerCase(char c);

// Without the leading and trailing characters blank , . / : ; and ¤. At least
// the last character survives the cut at the front.
std::string trimHeadword(std::string_view text);
std::string_view trimmedHeadword(std::string_view text);

// Orders two headword lines (each beginning with "." and the initial letter)
// from their third character on, by rank. Negative, zero or positive.
int compareHeadwordLines(std::string_view a, std::string_view b, const CollationRank& rank);

}  // namespace vernik
