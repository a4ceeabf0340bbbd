#include "main/decimal_number.h"

#include <gtest/gtest.h>

namespace vernik {
namespace {

TEST(DecimalNumber, ReadsCommaOrPointAsDecimalSeparator) {
    EXPECT_DOUBLE_EQ(parseDecimalNumber("6,5").value(), 6.5);
    EXPECT_DOUBLE_EQ(parseDecimalNumber("1,0").value(), 1.0);
    EXPECT_DOUBLE_EQ(parseDecimalNumber("6.5").value(), 6.5);
    EXPECT_DOUBLE_EQ(parseDecimalNumber(" 7 ").value(), 7.0);
    EXPECT_DOUBLE_EQ(parseDecimalNumber("-2,25").value(), -2.25);
}

TEST(DecimalNumber, RejectsTextThatIsNotOneNumber) {
    for (const char* text : {"", "  ", "abc", "6,5x", "6,,5", "6,5,1", "1e3", "inf", "nan", ","}) {
        EXPECT_FALSE(parseDecimalNumber(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace vernik
