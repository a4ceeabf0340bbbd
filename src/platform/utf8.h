#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8, where the program's bytes meet file names, the command line and
// rich-text files.
namespace vernik {

// Appends the code point; one outside Unicode or a surrogate becomes U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

// The character at `pos`, stepping past it; a malformed sequence reads as
// U+FFFD and is stepped over one byte at a time.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos);

// Whether the bytes are well-formed UTF-8 throughout.
bool isValidUtf8(std::string_view bytes);

}  // namespace vernik
