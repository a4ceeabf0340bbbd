#include "extras/start_language.h"

#include <charconv>
#include <string_view>

#include "platform/files.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

constexpr int kLanguageNumberLine = 17;

int wholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size()) return 0;
    return value;
}

}  // namespace

StartLanguage findStartLanguage(const std::string& startFolder) {
    StartLanguage result;
    result.descriptionFile = startFolder + "/Lang/Lang1/Start.txt";
    if (!isRegularFile(result.descriptionFile)) return result;
    result.descriptionFound = true;

    LineReader reader(result.descriptionFile);
    std::string_view line;
    for (int number = 1; reader.next(line); ++number) {
        if (number == kLanguageNumberLine) {
            result.number = wholeNumber(line);
            break;
        }
    }
    return result;
}

}  // namespace vernik
