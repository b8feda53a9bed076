#include "ui/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace korvel {
namespace {

TEST(NumericText, FormsThatPass) {
    for (const char* text :
         {"12", "+12", "-12", "12.", ".5", "-.5", "+3.25", "", "-0", "+", "-", ".", "007"}) {
        EXPECT_TRUE(isNumericText(text)) << '"' << text << '"';
    }
}

TEST(NumericText, FormsThatFail) {
    for (const char* text :
         {"1.2.3", "5-", "+-5", "1e5", " 5", "5 ", "1,5", "--5", "+.5.", "-5-", "12a",
          "\xB1"
          "5"}) {
        EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
    }
}

TEST(NumericText, ValueIsTheLeadingDecimalNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},       {"+", 0},        {"-", 0},         {".", 0},       {"-.", 0},
        {"12", 12},    {"+12", 12},     {"-12", -12},     {"12.", 12},    {".5", 0.5},
        {"-.5", -0.5}, {"+3.25", 3.25}, {"0.0005", 5e-4}, {"1.2.3", 1.2}, {"5-", 5},
        {"1e5", 1},    {"abc", 0},      {"007.50", 7.5},  {"-0.000", 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(numericTextValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumericText, MinusZeroReadsAsPlusZero) {
    EXPECT_FALSE(std::signbit(numericTextValue("-0")));
    EXPECT_FALSE(std::signbit(numericTextValue("-.0")));
}

TEST(NumericText, HundredsOfDigitsStayFinite) {
    EXPECT_TRUE(std::isinf(numericTextValue(std::string(400, '9'))));
    EXPECT_EQ(numericTextValue("0." + std::string(400, '0') + "1"), 0.0);
}

} // namespace
} // namespace korvel
