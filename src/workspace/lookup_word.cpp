#include "workspace/lookup_word.h"

namespace vernik {
namespace {
bool isWordByte(unsigned char c) {
    return c == ' ' || c == '\'' || (c >= '-' && c <= 'z') || c >= 128;
}
}  // namespace

std::string cutLookupWord(std::string_view inputText) {
    std::size_t end = 0;
    while (end < inputText.size() && isWordByte(static_cast<unsigned char>(inputText[end]))) ++end;
    if (end == inputText.size() && end > 0 && inputText[end - 1] == ' ') --end;
    return std::string(inputText.substr(0, end));
}

}  // namespace vernik
