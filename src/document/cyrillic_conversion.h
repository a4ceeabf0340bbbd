#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 text with Cyrillic letters converted to the single-byte layout of the
// program's own Cyrillic font, whose upper half holds the Cyrillic letters
// where Windows code page 1251 has them.
namespace vernik {

// The result file of a conversion: the name without its last three
// characters, followed by "con" ("text.txt" gives "text.con"). Nothing for a
// name of three characters or fewer.
std::optional<std::string> cyrillicResultName(std::string_view fileName);

struct CyrillicConversion {
    std::string bytes;
    int truncated = 0;  // Cyrillic lead bytes not followed by the rest of their character
};

// The conversion of a UTF-8 file's bytes:
// - ASCII passes unchanged, except "," which becomes "/";
// - a two-byte Cyrillic character (lead byte D0 or D1) becomes its code page
//   1251 byte;
// - the continuation bytes A4, A5 and B6 of the Swedish ä, å and ö become E4,
//   E5 and F6; every other byte is dropped;
// - after a line feed that follows a line ending in "0" to "z", the first
//   byte of the next line is followed by two blanks and "/".
CyrillicConversion cyrillicFromUtf8(std::string_view utf8);

}  // namespace vernik
