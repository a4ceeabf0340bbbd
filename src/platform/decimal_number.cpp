#include "platform/decimal_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace vernik {
namespace {

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> parseDecimalNumber(std::string_view text) {
    text = withoutBlanks(text);
    if (text.empty()) return std::nullopt;

    std::string number(text);
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> parseWholeNumber(std::string_view text) {
    text = withoutBlanks(text);
    // from_chars takes a minus but no plus; a plus may only stand before a digit.
    if (text.size() > 1 && text.front() == '+' && text[1] >= '0' && text[1] <= '9') {
        text.remove_prefix(1);
    }
    std::int32_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
}

std::optional<int> parseWholeNumberIn(std::string_view text, WholeRange range) {
    const std::optional<int> number = parseWholeNumber(text);
    if (!number || *number < range.least || *number > range.most) return std::nullopt;
    return number;
}

std::optional<double> parseDecimalNumberIn(std::string_view text, DecimalRange range) {
    const std::optional<double> number = parseDecimalNumber(text);
    if (!number || !(*number >= range.least && *number <= range.most)) return std::nullopt;
    return number;
}

std::string formatDecimalComma(double value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text + ",0";
    text[point] = ',';
    return text;
}

}  // namespace vernik
