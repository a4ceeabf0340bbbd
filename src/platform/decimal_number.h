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

// The values a number of the panels and the settings file may take. Lengths
// are screen pixels and stay within a few metres of paper; scale factors and
// line spacing run from a tenth to a hundred; a line count of 0 means none
// given.
struct WholeRange {
    int least;
    int most;
};
struct DecimalRange {
    double least;
    double most;
};
inline constexpr WholeRange kScreenLengthRange{0, 10000};
inline constexpr WholeRange kLineCountRange{0, 10000};
inline constexpr WholeRange kFontSizeRange{1, 1000};
inline constexpr DecimalRange kScaleRange{0.1, 100.0};
inline constexpr DecimalRange kLineSpacingRange{0.1, 100.0};

// The number in `text` when it is one and lies in `range` (ends included).
std::optional<int> parseWholeNumberIn(std::string_view text, WholeRange range);
std::optional<double> parseDecimalNumberIn(std::string_view text, DecimalRange range);

// A decimal fraction written with a decimal comma: "6,5", "1,0".
std::string formatDecimalComma(double value);

}  // namespace vernik
