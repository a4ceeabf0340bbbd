#include "main/decimal_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vernik {

std::optional<double> parseDecimalNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
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

}  // namespace vernik
