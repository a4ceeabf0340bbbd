#include "media/media_word.h"

namespace vernik {

std::string lookupMediaWord(std::string_view word) {
    const std::size_t end = word.find_last_not_of(' ');
    return std::string(word.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string withoutBlanksAndDots(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '.') out += c;
    }
    return out;
}

std::string listSearchMediaWord(std::string_view word) {
    if (word.empty() || word.front() != '.') return {};
    return withoutBlanksAndDots(word);
}

std::string selectionMediaWord(std::string_view selection) {
    std::string out;
    for (char c : selection) {
        const auto byte = static_cast<unsigned char>(c);
        const bool wordByte = c == ' ' || c == '\'' || (byte >= '-' && byte <= 'z') || byte >= 128;
        if (!wordByte) break;
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace vernik
