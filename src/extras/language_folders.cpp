#include "extras/language_folders.h"

#include <charconv>
#include <string_view>
#include <system_error>
#include <vector>

#include "extras/language_text.h"
#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::size_t kNameLine = 13;
constexpr std::size_t kPictureLine = 16;
constexpr std::size_t kStartLanguageLine = 17;
constexpr std::size_t kLongestName = 255;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Line `number` (from 1) of the lines, or empty past the end.
std::string_view lineOf(const std::vector<std::string_view>& lines, std::size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string_view();
}

}  // namespace

std::filesystem::path languageRoot(const std::filesystem::path& startFolder,
                                   const std::optional<std::filesystem::path>& dataFolder) {
    std::filesystem::path own = startFolder / "Lang";
    std::error_code ec;
    if (std::filesystem::is_directory(own, ec) || !dataFolder) return own;
    return *dataFolder / "Lang";
}

std::filesystem::path languageFolder(const std::filesystem::path& root, int number) {
    return root / ("Lang" + std::to_string(number));
}

std::optional<LanguageDescription> readLanguageDescription(const std::filesystem::path& folder) {
    const auto text = readLanguageText(folder / "Start.txt");
    if (!text) return std::nullopt;
    const std::vector<std::string_view> lines = splitLanguageLines(*text);
    LanguageDescription description;
    description.name = std::string(firstCharacters(lineOf(lines, kNameLine), kLongestName));
    if (const auto picture = childPath(folder, trimmed(lineOf(lines, kPictureLine)))) {
        if (isRegularFile(*picture)) description.picture = *picture;
    }
    return description;
}

StartLanguage findStartLanguage(const std::filesystem::path& root) {
    StartLanguage result;
    result.descriptionFile = languageFolder(root, 1) / "Start.txt";
    const auto text = readLanguageText(result.descriptionFile);
    if (!text) return result;
    result.descriptionFound = true;
    const std::vector<std::string_view> lines = splitLanguageLines(*text);
    const std::string_view line = trimmed(lineOf(lines, kStartLanguageLine));
    result.line = std::string(firstCharacters(line, kLongestName));
    if (line.empty()) return result;
    const std::optional<int> number = wholeNumber(line);
    if (!number) {
        result.lineUnreadable = true;
        return result;
    }
    result.number = *number > 0 ? *number : 0;
    return result;
}

}  // namespace vernik
