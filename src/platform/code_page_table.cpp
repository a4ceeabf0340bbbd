#include "platform/code_page_table.h"

#include <algorithm>
#include <charconv>

#include "platform/rtf_code_pages.h"
#include "platform/rtf_model.h"
#include "platform/utf8.h"

namespace vernik {
namespace {

constexpr char32_t kSymbolRange = 0xF000;
constexpr char32_t kPrivateRange = 0xF700;
constexpr char32_t kNone = 0;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<unsigned> hexNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

}  // namespace

int codePageOfFontCharset(int charset) {
    switch (charset) {
        case rtf_charset::kSymbol:
            return kSymbolCodePage;
        case rtf_charset::kShiftJis:
            return 932;
        case rtf_charset::kHangeul:
            return 949;
        case rtf_charset::kGb2312:
            return 936;
        case rtf_charset::kChineseBig5:
            return 950;
        default:
            return codePageOfCharset(charset, 1252);
    }
}

bool isDoubleByteCodePage(int codePage) {
    return codePage == 932 || codePage == 949 || codePage == 936 || codePage == 950;
}

CodePageTable::CodePageTable() {
    for (int byte = 0; byte < 256; ++byte)
        characters_[byte] = codePointOfByte(1252, static_cast<unsigned char>(byte));
    sortReverse();
}

CodePageTable CodePageTable::forCodePage(int codePage) {
    CodePageTable table;
    table.codePage_ = codePage;
    if (codePage == kSymbolCodePage) {
        // A blank stays a blank, so that lines still wrap between words.
        for (int byte = 0x21; byte < 256; ++byte) table.characters_[byte] = kSymbolRange + byte;
    } else if (isKnownCodePage(codePage)) {
        for (int byte = 0x80; byte < 256; ++byte)
            table.characters_[byte] = codePointOfByte(codePage, static_cast<unsigned char>(byte));
        table.fillUndefined();
    }
    table.sortReverse();
    return table;
}

void CodePageTable::place(unsigned char byte, char32_t character) {
    for (char32_t& other : characters_) {
        if (other == character) other = kNone;
    }
    characters_[byte] = character;
    fillUndefined();
    sortReverse();
}

// A byte without a character, or sharing its own value with another byte's
// character, shows as its own value if that is free, else in the private range.
void CodePageTable::fillUndefined() {
    std::array<int, 256> ownValueUsers{};
    for (const char32_t c : characters_) {
        if (c < 256) ++ownValueUsers[c];
    }
    for (int byte = 0; byte < 256; ++byte) {
        char32_t& c = characters_[byte];
        if (c == kNone && byte != 0) {
            c = ownValueUsers[byte] == 0 ? char32_t(byte) : kPrivateRange + byte;
            if (c < 256) ++ownValueUsers[c];
        } else if (c == char32_t(byte) && ownValueUsers[byte] > 1) {
            --ownValueUsers[byte];
            c = kPrivateRange + byte;
        }
    }
}

void CodePageTable::sortReverse() {
    for (int byte = 0; byte < 256; ++byte)
        reverse_[byte] = {characters_[byte], static_cast<unsigned char>(byte)};
    std::sort(reverse_.begin(), reverse_.end());
}

std::optional<unsigned char> CodePageTable::byteOf(char32_t character) const {
    const auto at = std::lower_bound(reverse_.begin(), reverse_.end(),
                                     std::pair<char32_t, unsigned char>{character, 0});
    if (at == reverse_.end() || at->first != character) return std::nullopt;
    return at->second;
}

std::string CodePageTable::utf8(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char b : bytes) appendUtf8(out, characters_[static_cast<unsigned char>(b)]);
    return out;
}

std::string CodePageTable::bytes(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (const auto byte = byteOf(nextCodePoint(utf8, pos))) out += static_cast<char>(*byte);
    }
    return out;
}

std::string ownFontTableFile(std::string_view fontName) {
    constexpr std::string_view kPrefix = "Vernik";
    if (!fontName.starts_with(kPrefix)) return {};
    std::string_view alphabet = fontName.substr(kPrefix.size());
    while (!alphabet.empty() && alphabet.back() >= '0' && alphabet.back() <= '9')
        alphabet.remove_suffix(1);
    if (alphabet.empty()) return {};
    for (const char c : alphabet) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter) return {};
    }
    return std::string(kPrefix) + std::string(alphabet) + ".txt";
}

std::optional<CodePageTable> parseOwnFontTable(std::string_view text) {
    std::optional<CodePageTable> table;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#') continue;
        if (line.starts_with("codepage ")) {
            int number = 0;
            const std::string_view value = trimmed(line.substr(9));
            const auto [at, error] =
                std::from_chars(value.data(), value.data() + value.size(), number);
            if (error == std::errc() && at == value.data() + value.size())
                table = CodePageTable::forCodePage(number);
            continue;
        }
        const std::size_t blank = line.find(' ');
        if (!table || blank == std::string_view::npos) continue;
        const auto byte = hexNumber(line.substr(0, blank));
        const auto character = hexNumber(trimmed(line.substr(blank + 1)));
        if (byte && character && *byte < 256 && *character > 0 && *character <= 0x10FFFF &&
            (*character < 0xD800 || *character > 0xDFFF))
            table->place(static_cast<unsigned char>(*byte), *character);
    }
    return table;
}

}  // namespace vernik
