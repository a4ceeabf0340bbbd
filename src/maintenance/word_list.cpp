#include "maintenance/word_list.h"

#include <algorithm>

#include "lexicon/letters.h"
#include "maintenance/letter_file_rewrite.h"
#include "platform/cp1252.h"
#include "platform/line_reader.h"
#include "platform/utf8.h"

namespace vernik {

namespace {

constexpr std::size_t kLongestAlternativesPart = 250;

void addTrimmed(std::vector<std::string>& alternatives, std::string_view text) {
    std::string alternative = trimHeadword(text);
    if (!alternative.empty()) alternatives.push_back(std::move(alternative));
}

bool holdsNonAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string cp1252FromValidUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto byte = cp1252OfCodePoint(nextCodePoint(utf8, pos));
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

}  // namespace

std::string alternativesPart(const std::vector<std::string>& alternatives) {
    std::string part;
    for (const auto& alternative : alternatives) {
        if (part.size() + alternative.size() < kLongestAlternativesPart) part += "/" + alternative;
    }
    return part;
}

std::string wordListLine(std::string_view headwordLine,
                         const std::vector<std::string>& alternatives, std::size_t blanks) {
    return std::string(headwordLine) + std::string(blanks, ' ') + alternativesPart(alternatives);
}

WordListEntry readWordListLine(std::string_view line) {
    line = line.substr(0, kShortTextLength);
    WordListEntry entry;
    const std::size_t slash = line.find('/');
    std::string head(line.substr(0, slash));
    std::erase(head, '.');
    entry.head = trimHeadword(head);
    if (slash == std::string_view::npos) return entry;
    if (slash > 0) addTrimmed(entry.alternatives, line.substr(slash - 1, 1));
    std::string_view rest = line.substr(slash + 1);
    while (true) {
        const std::size_t next = rest.find('/');
        addTrimmed(entry.alternatives, rest.substr(0, next));
        if (next == std::string_view::npos) break;
        rest.remove_prefix(next + 1);
    }
    return entry;
}

std::vector<std::string> listedAlternatives(std::string_view line) {
    line = line.substr(0, kShortTextLength);
    std::vector<std::string> alternatives;
    std::size_t at = line.find('/');
    while (at != std::string_view::npos) {
        at = line.find_first_not_of(" /", at);
        if (at == std::string_view::npos) break;
        const std::size_t end = line.find('/', at);
        addTrimmed(alternatives, line.substr(at, end - at));
        at = end;
    }
    return alternatives;
}

std::vector<std::string> listFileLines(std::string_view bytes) {
    if (holdsNonAscii(bytes) && isValidUtf8(bytes)) {
        return splitLetterLines(cp1252FromValidUtf8(bytes));
    }
    return splitLetterLines(bytes);
}

}  // namespace vernik
