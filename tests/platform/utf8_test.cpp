#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vernik {
namespace {

std::vector<char32_t> decodeAll(std::string_view bytes) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < bytes.size();) out.push_back(nextCodePoint(bytes, pos));
    return out;
}

constexpr char32_t R = 0xFFFD;

TEST(Utf8, DecoderTakesWellFormedTextAndReplacesEachBadByte) {
    const struct {
        const char* what;
        std::string bytes;
        std::vector<char32_t> decoded;
    } cases[] = {
        // Well formed, at the edges of each length.
        {"ASCII", "a\x7F", {'a', 0x7F}},
        {"NUL", std::string(1, '\0'), {0}},
        {"two bytes", "\xC2\x80\xDF\xBF", {0x80, 0x7FF}},
        {"three bytes", "\xE0\xA0\x80\xEF\xBF\xBF", {0x800, 0xFFFF}},
        {"around the surrogates", "\xED\x9F\xBF\xEE\x80\x80", {0xD7FF, 0xE000}},
        {"four bytes", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", {0x10000, 0x10FFFF}},
        {"Swedish letters", "\xC3\xA5\xC3\xA4\xC3\xB6", {0xE5, 0xE4, 0xF6}},
        // Malformed: every byte that cannot start or continue a character
        // reads as U+FFFD, and the next byte is read afresh.
        {"lone continuation",
         "\x80"
         "a\xBF",
         {R, 'a', R}},
        {"invalid leads", "\xF8\xFC\xFE\xFF", {R, R, R, R}},
        {"lead without continuation",
         "\xC3"
         "a",
         {R, 'a'}},
        {"lead before another lead", "\xE2\xC3\xA5", {R, 0xE5}},
        // Overlong forms.
        {"overlong NUL", "\xC0\x80", {R, R}},
        {"overlong slash", "\xC1\xAF", {R, R}},
        {"overlong three", "\xE0\x9F\xBF", {R, R, R}},
        {"overlong four", "\xF0\x8F\xBF\xBF", {R, R, R, R}},
        // UTF-16 surrogates are not characters.
        {"high surrogate", "\xED\xA0\x80", {R, R, R}},
        {"low surrogate", "\xED\xBF\xBF", {R, R, R}},
        // Beyond Unicode.
        {"above U+10FFFF", "\xF4\x90\x80\x80", {R, R, R, R}},
        {"F5 lead", "\xF5\x80\x80\x80", {R, R, R, R}},
        // Cut off at the end of the text.
        {"cut two", "a\xC3", {'a', R}},
        {"cut three", "\xE2\x82", {R, R}},
        {"cut four", "\xF0\x9F\x98", {R, R, R}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeAll(c.bytes), c.decoded) << c.what;
    }
}

TEST(Utf8, EncoderWritesTheShortestFormAndReplacesNonCharacters) {
    const struct {
        char32_t codePoint;
        std::string bytes;
    } cases[] = {
        {0x00, std::string(1, '\0')},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0xD800, "\xEF\xBF\xBD"},  // surrogates and numbers beyond Unicode: U+FFFD
        {0xDFFF, "\xEF\xBF\xBD"},
        {0x110000, "\xEF\xBF\xBD"},
        {0xFFFFFFFF, "\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        std::string out;
        appendUtf8(out, c.codePoint);
        EXPECT_EQ(out, c.bytes) << std::hex << static_cast<unsigned>(c.codePoint);
        // What the encoder writes the decoder reads back.
        const char32_t expected =
            c.codePoint > 0x10FFFF || (c.codePoint >= 0xD800 && c.codePoint <= 0xDFFF)
                ? R
                : c.codePoint;
        EXPECT_EQ(decodeAll(out), std::vector<char32_t>{expected});
    }
}

}  // namespace
}  // namespace vernik
