#include "platform/decimal_number.h"

#include <gtest/gtest.h>

#include <utility>

namespace vernik {
namespace {

TEST(DecimalNumber, ReadsOneNumberWithACommaOrAPoint) {
    for (const auto& [text, value] :
         {std::pair{"6,5", 6.5}, {"1,0", 1.0}, {"6.5", 6.5}, {" 7 ", 7.0}, {"-2,25", -2.25}}) {
        EXPECT_EQ(parseDecimalNumber(text), value) << text;
    }
    for (const char* text : {"", "  ", "abc", "6,5x", "6,,5", "6,5,1", "1e3", "inf", "nan", ","}) {
        EXPECT_FALSE(parseDecimalNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(DecimalNumber, WholeNumbersFitThirtyTwoBits) {
    EXPECT_EQ(parseWholeNumber("14"), 14);
    EXPECT_EQ(parseWholeNumber(" -2147483640 "), -2147483640);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    for (const char* bad : {"", " ", "abc", "14pt", "1,5", "2147483648", "--1", "+-1"}) {
        EXPECT_FALSE(parseWholeNumber(bad).has_value()) << bad;
    }
}

TEST(DecimalNumber, WritesADecimalComma) {
    for (const auto& [value, text] :
         {std::pair{6.5, "6,5"}, {1.0, "1,0"}, {7.25, "7,25"}, {0.1, "0,1"}}) {
        EXPECT_EQ(formatDecimalComma(value), text);
    }
}

}  // namespace
}  // namespace vernik
