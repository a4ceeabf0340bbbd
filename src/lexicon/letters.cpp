#include "lexicon/letters.h"

#include <algorithm>

namespace vernik {
namespace {

constexpr unsigned char kAring = 0xC5, kAuml = 0xC4, kOuml = 0xD6, kUuml = 0xDC;

// Accented letters and their neighbours to the letter whose files hold them.
char foldAccented(unsigned char c) {
    switch (c) {
        case 0xC0:
        case 0xC1:
        case 0xC2:
        case 0xC3:
        case 0xE0:
        case 0xE1:
        case 0xE2:
        case 0xE3:
            return 'A';
        case 0xC8:
        case 0xC9:
        case 0xCA:
        case 0xCB:
        case 0xE8:
        case 0xE9:
        case 0xEA:
        case 0xEB:
            return 'E';
        case 0xD9:
        case 0xDA:
        case 0xDB:
        case 0xF9:
        case 0xFA:
        case 0xFB:
            return 'U';
        case 0xD2:
        case 0xD3:
        case 0xD4:
        case 0xD5:
        case 0xF2:
        case 0xF3:
        case 0xF4:
        case 0xF5:
            return 'O';
        case 0xCC:
        case 0xCD:
        case 0xCE:
        case 0xCF:
        case 0xEC:
        case 0xED:
        case 0xEE:
        case 0xEF:
            return 'I';
        case 0xD0:
        case 0xF0:
            return 'D';
        case 0xDE:
        case 0xFE:
            return 'T';
        case 0xD1:
        case 0xF1:
            return 'N';
        case 0xC6:
        case 0xE4:
        case 0xE6:
            return static_cast<char>(kAuml);
        case 0xD8:
        case 0xF6:
        case 0xF8:
            return static_cast<char>(kOuml);
        case 0xE5:
            return static_cast<char>(kAring);
        case 0xFC:  // ü shares the files of Ü, as on file systems that ignore case
            return static_cast<char>(kUuml);
        case 0x8F:
        case 0x9F:
        case 0xAF:
        case 0xBF:
            return 'Z';
        default:
            return static_cast<char>(c);
    }
}

bool isTrimmed(char c) {
    switch (static_cast<unsigned char>(c)) {
        case ' ':
        case ',':
        case '.':
        case '/':
        case ':':
        case ';':
        case 0xA4:
            return true;
        default:
            return false;
    }
}

}  // namespace

CollationRank identityCollationRank() {
    CollationRank rank{};
    for (int i = 0; i < 256; ++i) rank[i] = i;
    return rank;
}

char initialLetter(std::string_view word, SpecialAlphabet special) {
    std::size_t at = 0;
    while (at < 2 && at + 1 < word.size() && word[at] == '.') ++at;
    if (at >= word.size()) return '\0';
    auto c = static_cast<unsigned char>(word[at]);
    if (special.foreignSpecial) c = static_cast<unsigned char>(c - special.shift);
    return foldAccented(static_cast<unsigned char>(upperCaseAscii(static_cast<char>(c))));
}

char nextLetter(char letter) {
    switch (static_cast<unsigned char>(letter)) {
        case 'Z':
            return static_cast<char>(kAring);
        case kAring:
            return static_cast<char>(kAuml);
        case kAuml:
            return static_cast<char>(kOuml);
        case kOuml:
            return static_cast<char>(kUuml);
        case kUuml:
            return '1';
        case '9':
            return '[';
        default: {
            return upperCaseAscii(static_cast<char>(static_cast<unsigned char>(letter) + 1));
        }
    }
}

char lowerCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || u == kAring || u == kAuml || u == kOuml || u == kUuml) {
        return static_cast<char>(u + 32);
    }
    return c;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerCase(c);
    return out;
}

std::string_view trimmedHeadword(std::string_view text) {
    while (text.size() > 1 && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

std::string trimHeadword(std::string_view text) {
    return std::string(trimmedHeadword(text));
}

int compareHeadwordLines(std::string_view a, std::string_view b, const CollationRank& rank) {
    const std::size_t from = 2;
    const std::size_t lengthA = a.size() > from ? a.size() - from : 0;
    const std::size_t lengthB = b.size() > from ? b.size() - from : 0;
    const std::size_t common = std::min(lengthA, lengthB);
    for (std::size_t i = 0; i < common; ++i) {
        const int ra = rank[static_cast<unsigned char>(a[from + i])];
        const int rb = rank[static_cast<unsigned char>(b[from + i])];
        if (ra != rb) return ra < rb ? -1 : 1;
    }
    if (lengthA == lengthB) return 0;
    return lengthA < lengthB ? -1 : 1;
}

}  // namespace vernik
