#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace vernik {
namespace {

// The code points of `bytes`, each U+FFFD shown as '~'.
std::u32string decodeAll(std::string_view bytes) {
    std::u32string out;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const char32_t c = nextCodePoint(bytes, pos);
        out += c == 0xFFFD ? U'~' : c;
    }
    return out;
}

// Well-formed text at the edges of each length is read; every byte that
// cannot start or continue a character reads as U+FFFD, and the next byte is
// read afresh.
TEST(Utf8, DecoderTakesWellFormedTextAndReplacesEachBadByte) {
    const std::pair<std::string, std::u32string> cases[] = {
        {std::string("a\x7F\0", 3), std::u32string(U"a\x7F\0", 3)},
        {"\xC2\x80\xDF\xBF", U"\u0080\u07FF"},
        {"\xE0\xA0\x80\xEF\xBF\xBF", U"\u0800\uFFFF"},
        {"\xED\x9F\xBF\xEE\x80\x80", U"\uD7FF\uE000"},  // around the surrogates
        {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", U"\U00010000\U0010FFFF"},
        {"\xC3\xA5\xC3\xA4\xC3\xB6", U"åäö"},
        {"\x80z\xBF", U"~z~"},                              // lone continuations
        {"\xF8\xFC\xFE\xFF", U"~~~~"},                      // never a lead
        {"\xC3z", U"~z"},                                   // lead without continuation
        {"\xE2\xC3\xA5", U"~å"},                            // lead before another lead
        {"\xC0\x80\xC1\xAF", U"~~~~"},                      // overlong two
        {"\xE0\x9F\xBF", U"~~~"},                           // overlong three
        {"\xF0\x8F\xBF\xBF", U"~~~~"},                      // overlong four
        {"\xED\xA0\x80\xED\xBF\xBF", U"~~~~~~"},            // UTF-16 surrogates
        {"\xF4\x90\x80\x80\xF5\x80\x80\x80", U"~~~~~~~~"},  // beyond U+10FFFF
        {"z\xC3", U"z~"},                                   // cut off at the end
        {"\xE2\x82", U"~~"},
        {"\xF0\x9F\x98", U"~~~"},
    };
    for (const auto& [bytes, decoded] : cases) {
        EXPECT_EQ(decodeAll(bytes), decoded) << testing::PrintToString(bytes);
    }
}

// The encoder writes the shortest form, and U+FFFD for surrogates and numbers
// beyond Unicode; what it writes the decoder reads back.
TEST(Utf8, EncoderWritesTheShortestFormAndReplacesNonCharacters) {
    const std::pair<char32_t, std::string> cases[] = {
        {0x00, std::string(1, '\0')},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0xD800, "\xEF\xBF\xBD"},
        {0xDFFF, "\xEF\xBF\xBD"},
        {0x110000, "\xEF\xBF\xBD"},
        {0xFFFFFFFF, "\xEF\xBF\xBD"},
    };
    for (const auto& [codePoint, bytes] : cases) {
        std::string out;
        appendUtf8(out, codePoint);
        EXPECT_EQ(out, bytes) << std::hex << static_cast<unsigned>(codePoint);
        const bool replaced = bytes == "\xEF\xBF\xBD";
        EXPECT_EQ(decodeAll(out), replaced ? U"~" : std::u32string(1, codePoint));
    }
}

}  // namespace
}  // namespace vernik
