#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers as typed in the panels and stored in the settings file.
namespace vernik {

// A decimal fraction: "6,5", "1,0" or "7". A point is taken as the decimal
// separator too, and blanks around the number are ignored. Nothing when the
// text is not a number.
std::optional<double> parseDecimalNumber(std::string_view text);

// A decimal integer that fits 32 bits, blanks around it ignored.
std::optional<int> parseWholeNumber(std::string_view text);

// A decimal fraction written with a decimal comma: "6,5", "1,0".
std::string formatDecimalComma(double value);

}  // namespace vernik
