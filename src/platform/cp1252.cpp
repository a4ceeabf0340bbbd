#include "platform/cp1252.h"

#include <array>

#include "platform/utf8.h"

namespace vernik {
namespace {

// Code points of the bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t codePointOfCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> cp1252OfCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) appendUtf8(out, codePointOfCp1252(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> cp1252FromUtf8(std::string_view utf8) {
    std::size_t dropped = 0;
    std::string out = cp1252FromUtf8Lossy(utf8, &dropped);
    if (dropped != 0) return std::nullopt;
    return out;
}

std::string cp1252FromUtf8Lossy(std::string_view utf8, std::size_t* dropped) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t lost = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto byte = cp1252OfCodePoint(nextCodePoint(utf8, pos));
        if (byte) {
            out += static_cast<char>(*byte);
        } else {
            ++lost;
        }
    }
    if (dropped) *dropped = lost;
    return out;
}

}  // namespace vernik
