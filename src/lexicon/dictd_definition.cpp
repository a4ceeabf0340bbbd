#include "lexicon/dictd_definition.h"

#include "platform/cp1252.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

// A headword line is "." and the headword, so the headword gets one byte less.
constexpr std::size_t kHeadwordLength = kShortTextLength - 1;
constexpr std::size_t kAlternativeLength = kShortTextLength;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string cutTo(std::string_view text, std::size_t length) {
    return std::string(trimBlanks(text.substr(0, length)));
}

// Code page 1252 lacks the Unicode hyphen and non-breaking hyphen (U+2010,
// U+2011), which dictionaries use for affixes ("‐able"); they become "-"
// rather than vanish. Control characters become blanks, so no line end or tab
// can get into a lexicon line.
std::string normalized(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xE2 && utf8.substr(i + 1, 1) == "\x80" &&
            (utf8.substr(i + 2, 1) == "\x90" || utf8.substr(i + 2, 1) == "\x91")) {
            out += '-';
            i += 2;
        } else if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// Windows-1252 letters to lower case, for comparing headwords.
unsigned char foldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    switch (c) {
        case 0x8A:
            return 0x9A;  // Š
        case 0x8C:
            return 0x9C;  // Œ
        case 0x8E:
            return 0x9E;  // Ž
        case 0x9F:
            return 0xFF;  // Ÿ
        default:
            return c;
    }
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(static_cast<unsigned char>(a[i])) !=
            foldCase(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

struct Heading {
    std::string_view word;
    bool pronounced = false;
};

// Splits "word /pronunciation/" into the word and whether a pronunciation
// follows it; the pronunciation may hold blanks but no slash.
Heading splitPronunciation(std::string_view line) {
    line = trimBlanks(line);
    if (line.size() < 3 || line.back() != '/') return {line, false};
    const std::size_t open = line.rfind('/', line.size() - 2);
    if (open == std::string_view::npos || open + 2 == line.size()) return {line, false};
    if (open > 0 && !isBlank(line[open - 1])) return {line, false};
    return {trimBlanks(line.substr(0, open)), true};
}

// "2. missbruk" to "missbruk"; "1.5 kg" stays as it is.
std::string_view withoutSenseNumber(std::string_view line) {
    std::size_t digits = 0;
    while (digits < line.size() && isDigit(line[digits])) ++digits;
    if (digits == 0 || digits > 3 || line.substr(digits, 1) != ".") return line;
    const std::string_view rest = line.substr(digits + 1);
    if (!rest.empty() && !isBlank(rest.front())) return line;
    return trimBlanks(rest);
}

// Splits at commas and semicolons that stand outside parentheses, brackets
// and braces.
std::vector<std::string_view> topLevelPieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if ((c == ',' || c == ';') && depth == 0) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// A piece as an alternative line. It must not begin with "." (it would read
// as a headword line) and must fit a lexicon line.
std::string alternativeOf(std::string_view piece) {
    while (!piece.empty() && (piece.front() == '.' || isBlank(piece.front()))) {
        piece.remove_prefix(1);
    }
    return cutTo(piece, kAlternativeLength);
}

// `line` is normalized UTF-8.
void addAlternativesOfLine(std::string_view line, DefinitionLines& out) {
    std::size_t dropped = 0;
    const std::string text = cp1252FromUtf8Lossy(line, &dropped);
    out.droppedCharacters += dropped;
    for (const std::string_view piece : topLevelPieces(withoutSenseNumber(trimBlanks(text)))) {
        std::string alternative = alternativeOf(piece);
        if (!alternative.empty()) out.alternatives.push_back(std::move(alternative));
    }
}

}  // namespace

std::optional<std::string> lexiconHeadword(std::string_view utf8) {
    const auto converted = cp1252FromUtf8(normalized(utf8));
    if (!converted) return std::nullopt;
    return cutTo(trimBlanks(*converted), kHeadwordLength);
}

// The first line of a definition usually repeats the headword, often with a
// pronunciation: "abuse /əbjuːz/". Some entries write the headword unlike
// their index key ("lika ... som" for "lika som", "‐bar" for "bar"); a
// pronunciation marks those as the heading too.
ParsedDefinition parseDefinition(std::string_view definition) {
    ParsedDefinition out;
    bool first = true;
    while (!definition.empty()) {
        const std::size_t end = definition.find('\n');
        const std::string_view line = definition.substr(0, end);
        definition.remove_prefix(end == std::string_view::npos ? definition.size() : end + 1);
        const std::string text = normalized(line);
        if (trimBlanks(text).empty()) continue;
        if (!first) {
            addAlternativesOfLine(text, out.rest);
            continue;
        }
        first = false;
        const Heading heading = splitPronunciation(text);
        out.firstLinePronounced = heading.pronounced;
        // A longer word can equal no headword.
        if (heading.word.size() <= 4 * kHeadwordLength) {
            out.firstLineWord = cp1252FromUtf8(heading.word);
            if (out.firstLineWord && out.firstLineWord->size() > kHeadwordLength) {
                out.firstLineWord.reset();
            }
        }
        addAlternativesOfLine(text, out.firstLine);
    }
    return out;
}

bool isHeadingFor(const ParsedDefinition& definition, std::string_view headword) {
    return definition.firstLinePronounced ||
           (definition.firstLineWord && equalIgnoringCase(*definition.firstLineWord, headword));
}

}  // namespace vernik
