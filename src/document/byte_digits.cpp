#include "document/byte_digits.h"

#include <utility>

#include "platform/decimal_number.h"

namespace vernik {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The digit a recognised character stands for, or -1.
int digitValue(char c) {
    switch (c) {
        case 'O':
        case 'o':
            return 0;
        case 'K':
        case 'k':
            return 0xE;
        case 'c':
            return 0xC;
        default:
            break;
    }
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<int> parseBytesPerLine(std::string_view text) {
    return parseWholeNumberIn(text, {1, kMostBytesPerLine});
}

std::string bytesPerLineProblem(std::string_view text) {
    return "Ogiltigt tal i Antal bytes per rad: " + std::string(text) + " (1 till " +
           std::to_string(kMostBytesPerLine) + ")";
}

std::vector<std::string> byteListing(std::string_view bytes, int perLine) {
    const auto per = static_cast<std::size_t>(perLine > 0 ? perLine : 1);
    std::vector<std::string> lines;
    lines.reserve(bytes.size() / per + 1);
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        line += kHexDigits[byte >> 4];
        line += kHexDigits[byte & 0xF];
        line += ' ';
        if ((i + 1) % per == 0) lines.push_back(std::exchange(line, {}));
    }
    lines.push_back(std::move(line));
    return lines;
}

std::string bytesFromDigits(std::string_view text) {
    std::string bytes;
    int previous = -1;
    for (const char c : text) {
        const int current = digitValue(c);
        if (previous >= 0 && current >= 0) bytes += static_cast<char>(previous * 16 + current);
        previous = current;
    }
    return bytes;
}

}  // namespace vernik
