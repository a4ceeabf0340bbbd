// UTF-8 decoding and encoding agree: every character the decoder reads
// encodes back to exactly the bytes it was read from, a malformed sequence
// costs one byte and reads as U+FFFD, and any code point encoded decodes to
// itself (or to U+FFFD when it is no character).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void check(bool condition) {
    if (!condition) std::abort();
}

void decodeAndReencode(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const char32_t cp = vernik::nextCodePoint(bytes, pos);
        check(pos > start && pos <= bytes.size());
        const std::string_view consumed = bytes.substr(start, pos - start);
        std::string encoded;
        vernik::appendUtf8(encoded, cp);
        if (cp != kReplacement || consumed == "\xEF\xBF\xBD") {
            check(encoded == consumed);
        } else {
            check(consumed.size() == 1);
        }
    }
}

void encodeAndDecode(const uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        const char32_t cp = (char32_t{data[i]} << 24 | char32_t{data[i + 1]} << 16 |
                             char32_t{data[i + 2]} << 8 | char32_t{data[i + 3]}) %
                            0x110800;
        const bool isCharacter = cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        std::string encoded;
        vernik::appendUtf8(encoded, cp);
        std::size_t pos = 0;
        check(vernik::nextCodePoint(encoded, pos) == (isCharacter ? cp : kReplacement));
        check(pos == encoded.size());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    decodeAndReencode(std::string_view(reinterpret_cast<const char*>(data), size));
    encodeAndDecode(data, size);
    return 0;
}
