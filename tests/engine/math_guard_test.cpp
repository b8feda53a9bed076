#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "case_name.h"
#include "engine/math_guard.h"

namespace korvel {
namespace {

const GuardMessage kNegativeLog10{"Math Error : Negative log10.", "Korvel"};
const GuardMessage kZeroLog10{"Math error : Overflow - log10.", "Korvel"};
const GuardMessage kNegativePower{"Math error : Negative arithmetic power.", "Error"};

struct Log10Case {
    const char* name;
    double x;
    double expected;
    std::vector<GuardMessage> messages;
};

class GuardedLog10 : public ::testing::TestWithParam<Log10Case> {};

TEST_P(GuardedLog10, SubstitutesAndRecords) {
    const Log10Case& c = GetParam();
    MathGuard guard;
    EXPECT_DOUBLE_EQ(guard.log10(c.x), c.expected);
    EXPECT_EQ(guard.messages(), c.messages);
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Cases, GuardedLog10,
                         ::testing::Values(Log10Case{"Positive", 1000.0, 3.0, {}},
                                           Log10Case{"Negative", -100.0, 2.0, {kNegativeLog10}},
                                           Log10Case{"Zero", 0.0, 1.0, {kZeroLog10}},
                                           Log10Case{"NegativeZero", -0.0, 1.0, {kZeroLog10}},
                                           Log10Case{"Infinite", kInfinity, kInfinity, {}}),
                         testing::CaseName{});

struct PowCase {
    const char* name;
    double base;
    double exponent;
    double expected;
    std::vector<GuardMessage> messages;
};

class GuardedPow : public ::testing::TestWithParam<PowCase> {};

TEST_P(GuardedPow, SubstitutesAndRecords) {
    const PowCase& c = GetParam();
    MathGuard guard;
    EXPECT_DOUBLE_EQ(guard.pow(c.base, c.exponent), c.expected);
    EXPECT_EQ(guard.messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuardedPow,
    ::testing::Values(PowCase{"PositiveBase", 4.0, 1.5, 8.0, {}},
                      PowCase{"NegativeBaseWholeExponent", -2.0, 3.0, -8.0, {}},
                      PowCase{
                          "NegativeBaseFractionalExponent", -8.0, 1.0 / 3.0, 1.0, {kNegativePower}},
                      PowCase{"ZeroBaseNegativeExponentIsSilent", 0.0, -1.0, kInfinity, {}},
                      PowCase{"OverflowIsSilent", 10.0, 400.0, kInfinity, {}},
                      PowCase{"UnderflowIsSilent", 10.0, -400.0, 0.0, {}}),
    testing::CaseName{});

TEST(MathGuard, RecordsMessagesInTheOrderTheyOccurAndHandsThemOver) {
    MathGuard guard;
    guard.log10(0.0);
    guard.pow(-1.5, 0.5);
    guard.log10(-3.0);
    const std::vector<GuardMessage> expected{kZeroLog10, kNegativePower, kNegativeLog10};
    EXPECT_EQ(guard.takeMessages(), expected);
}

} // namespace
} // namespace korvel
