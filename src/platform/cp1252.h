#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Windows-1252 is the byte encoding of every lexicon and document. These
// conversions are used where bytes meet UTF-8: the command line, file names
// and imported dictionaries. The five bytes that code page 1252 leaves
// undefined (81, 8D, 8F, 90, 9D) map to the C1 control of the same value, so
// every byte survives a round trip.
namespace vernik {

char32_t codePointOfCp1252(unsigned char byte);

// The byte for a code point, or nothing when code page 1252 has no such character.
std::optional<unsigned char> cp1252OfCodePoint(char32_t codePoint);

std::string utf8FromCp1252(std::string_view bytes);

// Converts UTF-8 text; fails when a character has no Windows-1252 form or the
// UTF-8 is malformed.
std::optional<std::string> cp1252FromUtf8(std::string_view utf8);

// Converts UTF-8 text, dropping characters without a Windows-1252 form (and
// malformed sequences); `dropped` counts them.
std::string cp1252FromUtf8Lossy(std::string_view utf8, std::size_t* dropped = nullptr);

}  // namespace vernik
