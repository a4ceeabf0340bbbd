#include "document/cyrillic_conversion.h"

#include "platform/rtf_code_pages.h"

namespace vernik {
namespace {

constexpr unsigned char kLeadLow = 0xD0;
constexpr unsigned char kLeadHigh = 0xD1;

bool isCyrillicLead(unsigned char byte) {
    return byte == kLeadLow || byte == kLeadHigh;
}

bool isContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// The byte of the Cyrillic letter `lead` `next` in the font. The basic
// alphabet (А to я) lands where the shift by 30 or 70 puts it; letters such as
// Ё, ё and Ukrainian І take their code page 1251 places, which that shift
// misses.
unsigned char cyrillicByte(unsigned char lead, unsigned char next) {
    const char32_t codePoint = static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F));
    if (const auto byte = byteOfCodePoint(1251, codePoint)) return *byte;
    return static_cast<unsigned char>(next < 0x90 ? next + 0x70 : next + 0x30);
}

// The byte a single byte of the file stands for, or nothing when it is dropped.
std::optional<unsigned char> plainByte(unsigned char c) {
    if (c >= 1 && c <= 127) return c;
    switch (c) {
        case 0xA4:
            return 0xE4;
        case 0xA5:
            return 0xE5;
        case 0xB6:
            return 0xF6;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> cyrillicResultName(std::string_view fileName) {
    // Characters, not bytes: a file name is UTF-8.
    std::size_t end = fileName.size();
    for (int characters = 0; characters < 3; ++characters) {
        if (end == 0) return std::nullopt;
        --end;
        while (end > 0 && isContinuation(static_cast<unsigned char>(fileName[end]))) --end;
    }
    if (end == 0) return std::nullopt;
    return std::string(fileName.substr(0, end)) + "con";
}

CyrillicConversion cyrillicFromUtf8(std::string_view utf8) {
    CyrillicConversion result;
    std::string& out = result.bytes;
    out.reserve(utf8.size());
    unsigned char p1 = 0;
    unsigned char p2 = 0;
    unsigned char p3 = 0;
    for (const char raw : utf8) {
        auto c = static_cast<unsigned char>(raw);
        if (c == ',') c = '/';
        bool afterLead = isCyrillicLead(p1);
        if (afterLead && !isContinuation(c)) {
            // A cut-off character: the byte starts afresh.
            ++result.truncated;
            afterLead = false;
        }
        if (afterLead) {
            out += static_cast<char>(cyrillicByte(p1, c));
        } else if (const auto byte = plainByte(c)) {
            out += static_cast<char>(*byte);
        }
        if (p3 >= '0' && p3 <= 'z' && p1 == '\n') out += "  /";
        p3 = p2;
        p2 = p1;
        p1 = c;
    }
    if (isCyrillicLead(p1)) ++result.truncated;
    return result;
}

}  // namespace vernik
