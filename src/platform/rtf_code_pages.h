#pragma once

#include "platform/utf8.h"

#include <optional>
#include <string>
#include <string_view>

// The single-byte Windows code pages behind the character sets a rich-text
// font can name, and the UTF-8 the codec keeps text in.
namespace vernik {

// The code page of a font's \fcharset, or `fallback` (the file's \ansicpg)
// for the default character set and for ones without a code page here. The
// Symbol set keeps its bytes as Windows-1252 characters.
int codePageOfCharset(int charset, int fallback);

// Whether the byte tables below know the code page: 874 and 1250 to 1258.
bool isKnownCodePage(int codePage);

// A byte's character in the code page; unknown code pages read as 1252, and
// bytes a code page leaves undefined keep their own value.
char32_t codePointOfByte(int codePage, unsigned char byte);

// The byte for a character, or nothing when the code page has none.
std::optional<unsigned char> byteOfCodePoint(int codePage, char32_t codePoint);

// The character set whose code page holds most of the non-ASCII characters
// of `utf8` (Western when it holds all of them, or when there are none).
int charsetForText(std::string_view utf8);

}  // namespace vernik
