// Numeric text, fixed-point formatting and route file names.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "ui/format_fixed.h"
#include "ui/numeric_text.h"
#include "ui/route_file_name.h"

namespace korvel {
namespace {

TEST(NumericText, FormsAndLeadingValue) {
    for (const char* text : {"12", "-12", "12.", ".5", "-.5", "", "+", "-", ".", "007"}) {
        EXPECT_TRUE(isNumericText(text)) << '"' << text << '"';
    }
    for (const char* text : {"1.2.3", "5-", "+-5", "1e5", " 5", "5 ", "1,5", "12a",
                             "\xB1"
                             "5"}) {
        EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
    }
    for (auto [text, value] : {std::pair{"", 0.0},
                               {"-.", 0.0},
                               {"+3.25", 3.25},
                               {"-.5", -0.5},
                               {"0.0005", 5e-4},
                               {"1.2.3", 1.2},
                               {"5-", 5.0},
                               {"1e5", 1.0},
                               {"abc", 0.0},
                               {"007.50", 7.5}}) {
        EXPECT_DOUBLE_EQ(numericTextValue(text), value) << '"' << text << '"';
    }
    EXPECT_FALSE(std::signbit(numericTextValue("-0")));
    EXPECT_FALSE(std::signbit(numericTextValue("-.0")));
    // Hundreds of digits stay within double.
    EXPECT_TRUE(std::isinf(numericTextValue(std::string(400, '9'))));
    EXPECT_EQ(numericTextValue("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheBinaryValue) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {12.345, 1, "12.3"},
        {0.05, 4, "0.0500"},
        {-0.0, 1, "0.0"},
        {-0.04, 1, "-0.0"},
        {0.25, 1, "0.3"},
        {-2.5, 0, "-3."},
        {0.15, 1, "0.1"} /* 0.1499... */,
        {9.96, 1, "10.0"},
        {1.005, 2, "1.00"},
        {12.4, 0, "12."},
        {12.4, -2, "12."},
        {1e20, 1, "100000000000000000000.0"},
        {1e22, 4, "10000000000000000000000.0"},
        {1e24, 2, "999999999999999983222784."},
        {std::numeric_limits<double>::denorm_min(), 24, "0.000000000000000000000000"},
        {kInf, 1, "inf"},
        {-kInf, 1, "-inf"},
        {std::nan(""), 1, "nan"}};
    for (const Case& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
    }
    const std::string largest = formatFixed(-std::numeric_limits<double>::max(), 4);
    EXPECT_EQ(largest.size(), 1u + 309u + 1u);
    EXPECT_EQ(largest.substr(0, 5), "-1797");
    EXPECT_EQ(largest.back(), '.');
}

TEST(RouteFileName, AcceptedAndRefused) {
    using std::string;
    for (const string& text : {string("LINK 1.HOP"), string("_$%@-+'(){}^#&!`~. 09azAZ"),
                               string("\xE4\xC4\xF6\xD6\xE5\xC5.HOP"), string(252, 'X')}) {
        EXPECT_TRUE(isRouteFileName(text)) << text;
    }
    for (const string& text :
         {string(), string("LINK:1"), string("DIR\\LINK.HOP"), string("a/b"), string("a*b"),
          string("a?b"), string("a\"b"), string("a<b"), string("a\tb"), string("\xE9t\xE9.HOP"),
          string("\xDC"), string(253, 'X'), string("a\0b", 3)}) {
        EXPECT_FALSE(isRouteFileName(text)) << text;
    }
}

} // namespace
} // namespace korvel
