#include "extras/language_text.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/utf8.h"

namespace vernik {
namespace {

bool holdsNonAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 127) return true;
    }
    return false;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string languageTextAsUtf8(std::string_view bytes) {
    if (holdsNonAscii(bytes) && isValidUtf8(bytes)) {
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    return utf8FromCp1252(bytes);
}

std::vector<std::string_view> splitLanguageLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if (!isContinuationByte(c)) ++count;
    }
    return count;
}

std::string_view firstCharacters(std::string_view utf8, std::size_t maxCharacters) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        if (isContinuationByte(utf8[pos])) continue;
        if (count == maxCharacters) return utf8.substr(0, pos);
        ++count;
    }
    return utf8;
}

std::optional<std::string> readLanguageText(const std::filesystem::path& file) {
    if (!isRegularFile(file)) return std::nullopt;
    auto bytes = readFileBytes(file);
    if (!bytes) return std::nullopt;
    return languageTextAsUtf8(*bytes);
}

}  // namespace vernik
