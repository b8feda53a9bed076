#include "ui/format_fixed.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace korvel {
namespace {

TEST(FormatFixed, Examples) {
    struct Case {
        const char* name;
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {"roundsDown", 12.345, 1, "12.3"},
        {"padsSmallValue", 0.05, 4, "0.0500"},
        {"negative", -7.5, 1, "-7.5"},
        {"wholeNumber", 2, 4, "2.0000"},
        {"zero", 0, 4, "0.0000"},
        {"negativeZero", -0.0, 1, "0.0"},
        {"negativeRoundingToZeroKeepsSign", -0.04, 1, "-0.0"},
        {"slightlyAboveHalfRoundsUp", 0.05, 1, "0.1"},
        {"exactHalfAwayFromZero", 0.25, 1, "0.3"},
        {"negativeExactHalf", -2.5, 0, "-3."},
        {"belowHalfOfBinaryValue", 0.15, 1, "0.1"}, // 0.1499999...
        {"carryAddsDigit", 9.96, 1, "10.0"},
        {"carryBelowOne", 0.96, 0, "1."},
        {"smallRoundsToZero", 0.00004, 4, "0.0000"},
        {"smallOutage", 0.0012345, 4, "0.0012"},
        {"twoDecimals", 1.005, 2, "1.00"}, // 1.00499999...
        {"threeDecimals", 0.3456, 3, "0.346"},
        {"noDecimals", 12.4, 0, "12."},
        {"negativeDecimalsAsNone", 12.4, -2, "12."},
        {"large", 1e20, 1, "100000000000000000000.0"},
        {"capDropsDecimals", 1e22, 4, "10000000000000000000000.0"},
        {"beyondCapWrittenWhole", 1e24, 2, "999999999999999983222784."},
        {"tinyPositive", std::numeric_limits<double>::denorm_min(), 24,
         "0.000000000000000000000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.name;
    }
}

TEST(FormatFixed, NonFiniteValues) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 1), "inf");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 1), "-inf");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 1), "nan");
}

TEST(FormatFixed, LargestValueIsWrittenInFull) {
    const std::string text = formatFixed(-std::numeric_limits<double>::max(), 4);
    EXPECT_EQ(text.size(), 1u + 309u + 1u);
    EXPECT_EQ(text.substr(0, 5), "-1797");
    EXPECT_EQ(text.back(), '.');
}

} // namespace
} // namespace korvel
