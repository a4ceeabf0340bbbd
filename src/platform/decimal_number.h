#pragma once

#include <optional>
#include <string_view>

namespace vernik {

// A decimal fraction as typed in the panels and stored in the settings file:
// "6,5", "1,0" or "7". A point is taken as the decimal separator too, and
// blanks around the number are ignored. Nothing when the text is not a number.
std::optional<double> parseDecimalNumber(std::string_view text);

}  // namespace vernik
