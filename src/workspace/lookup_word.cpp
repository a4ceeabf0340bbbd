#include "workspace/lookup_word.h"

#include <algorithm>

namespace vernik {
namespace {

bool isWordByte(unsigned char c) {
    return c == ' ' || c == '\'' || (c >= '-' && c <= 'z') || c >= 128;
}

bool startsWithCapital(std::string_view text) {
    if (text.empty()) return false;
    const auto first = static_cast<unsigned char>(text[0]);
    constexpr unsigned char kSmallLetters[] = {0xE4, 0xE5, 0xE6, 0xF6, 0xFC};  // ä å æ ö ü
    return !(first >= 'a' && first <= 'z') &&
           std::find(std::begin(kSmallLetters), std::end(kSmallLetters), first) ==
               std::end(kSmallLetters);
}

char wordEnd(std::string_view text, std::size_t wordLength) {
    if (wordLength >= text.size() || static_cast<unsigned char>(text[wordLength]) < 0x20)
        return ' ';
    return text[wordLength];
}

}  // namespace

std::string cutLookupWord(std::string_view inputText) {
    std::size_t end = 0;
    while (end < inputText.size() && isWordByte(static_cast<unsigned char>(inputText[end]))) ++end;
    if (end == inputText.size() && end > 0 && inputText[end - 1] == ' ') --end;
    return std::string(inputText.substr(0, end));
}

LookupWord analyseLookupWord(std::string_view inputText, SpecialAlphabet special) {
    LookupWord result;
    result.word = cutLookupWord(inputText);
    result.capital = startsWithCapital(inputText);
    result.end = wordEnd(inputText, result.word.size());
    result.initial = initialLetter(result.word, special);
    return result;
}

PagePosition pagePosition(int line, int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
    return {line / linesPerPage + 1, line % linesPerPage + 1};
}

}  // namespace vernik
