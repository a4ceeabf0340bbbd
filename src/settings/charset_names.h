#pragma once

#include <optional>
#include <string_view>

// The character sets a font may be given, by name or by number, and the font
// names that decide how the font panel and the boxes treat a font.
namespace vernik {

// The standard number of a character-set name ("RUSSIAN_CHARSET" is 204),
// compared exactly; nothing for a name not in the table.
std::optional<int> charsetOfName(std::string_view name);

// The character set the font panel's box gives: a decimal number from 0 to
// 255, else a name of the table, else 0.
int charsetFromBoxText(std::string_view text);

// The Devanagari script font, named exactly "xdvng".
bool isScriptFontName(std::string_view name);

// The program's own fonts are named "Vernik" + alphabet + digit
// ("VernikCyr1"); in them Å Ä Ö å ä ö lie at A5 A4 A6 B5 B4 B6.
bool isOwnFontName(std::string_view name);

// The font panel hides its character-set box for the program's own fonts
// (the name begins with "Ver") and for the script font.
bool fontHidesCharsetBox(std::string_view name);

// Fonts written right to left: the name begins with "Arab" or has "Arab" as
// its 7th to 10th characters ("VernikArab1").
bool isRightToLeftFontName(std::string_view name);

}  // namespace vernik
