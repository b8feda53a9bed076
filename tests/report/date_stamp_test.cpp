#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/ini_profile.h"
#include "report/date_stamp.h"

namespace korvel {
namespace {

struct StampCase {
    const char* name;
    DateSettings settings;
    CalendarDate date;
    const char* expected;
};

class DateStampFormat : public ::testing::TestWithParam<StampCase> {};

TEST_P(DateStampFormat, WritesOrderSeparatorAndLeadingZeros) {
    const StampCase& c = GetParam();
    EXPECT_EQ(formatDateStamp(c.settings, c.date), c.expected);
}

constexpr DateSettings kMdySlash{DateOrder::MonthDayYear, '/', false};
constexpr DateSettings kDmyDot{DateOrder::DayMonthYear, '.', false};
constexpr DateSettings kDmyDotZero{DateOrder::DayMonthYear, '.', true};
constexpr DateSettings kYmdDash{DateOrder::YearMonthDay, '-', false};
constexpr DateSettings kYmdDashZero{DateOrder::YearMonthDay, '-', true};

INSTANTIATE_TEST_SUITE_P(
    Stamps, DateStampFormat,
    ::testing::Values(
        StampCase{"DmyTwoDigitFields", kDmyDot, {1997, 12, 25}, "25.12.1997"},
        StampCase{"MdyTwoDigitFields", kMdySlash, {1997, 12, 25}, "12/25/1997"},
        StampCase{"YmdTwoDigitFields", kYmdDash, {1997, 12, 25}, "1997-12-25"},
        StampCase{"MdyDropsBothZeros", kMdySlash, {1997, 1, 5}, "1/5/1997"},
        StampCase{"MdyDayMovesLeftAfterMonthZero", kMdySlash, {1997, 1, 10}, "1/10/1997"},
        StampCase{"MdyDayZeroOnly", kMdySlash, {1997, 11, 5}, "11/5/1997"},
        StampCase{"DmyDropsBothZeros", kDmyDot, {2000, 2, 1}, "1.2.2000"},
        StampCase{"DmyKeepsZerosWhenAsked", kDmyDotZero, {2000, 2, 1}, "01.02.2000"},
        StampCase{"DmyMonthZeroOnly", kDmyDot, {2000, 2, 15}, "15.2.2000"},
        StampCase{"YmdDayMovesLeftAfterMonthZero", kYmdDash, {2001, 3, 4}, "2001-3-4"},
        StampCase{"YmdDayZeroOnly", kYmdDash, {2001, 10, 4}, "2001-10-4"},
        StampCase{"YmdKeepsZerosWhenAsked", kYmdDashZero, {2001, 3, 4}, "2001-03-04"},
        StampCase{"YearZeroIsNotAMonthZero", kYmdDash, {2010, 12, 31}, "2010-12-31"},
        StampCase{"ShortYearIsPadded", kDmyDotZero, {987, 6, 7}, "07.06.0987"}),
    [](const ::testing::TestParamInfo<StampCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(DateSettingsRead, MissingKeysGiveOrderZeroDashAndNoLeadingZero) {
    const IniProfile empty = IniProfile::fromText("");
    const DateSettings settings = readDateSettings(empty, DateSettings{});
    EXPECT_EQ(settings.order, DateOrder::MonthDayYear);
    EXPECT_EQ(settings.separator, '-');
    EXPECT_FALSE(settings.leadingZero);
}

TEST(DateSettingsRead, BeforeAnyReadTheOrderIsDayMonthYearWithDot) {
    EXPECT_EQ(formatDateStamp(DateSettings{}, {1997, 1, 5}), "5.1.1997");
}

TEST(DateSettingsRead, UnknownOrderKeepsTheOrderHeld) {
    const IniProfile profile = IniProfile::fromText("[intl]\niDate=5\nsDate=/\niLzero=1\n");
    const DateSettings held{DateOrder::YearMonthDay, '.', false};
    const DateSettings settings = readDateSettings(profile, held);
    EXPECT_EQ(settings.order, DateOrder::YearMonthDay);
    EXPECT_EQ(settings.separator, '/');
    EXPECT_TRUE(settings.leadingZero);
    // At first start the order held is day-month-year.
    EXPECT_EQ(readDateSettings(profile, DateSettings{}).order, DateOrder::DayMonthYear);
}

TEST(DateSettingsRead, SeparatorTakesOnlyItsFirstCharacter) {
    const IniProfile profile = IniProfile::fromText("[intl]\niDate=2\nsDate=-/\n");
    EXPECT_EQ(readDateSettings(profile, DateSettings{}).separator, '-');
}

TEST(DateSettingsRead, EmptySeparatorFallsBackToDashInsteadOfCuttingTheStamp) {
    const IniProfile profile = IniProfile::fromText("[intl]\niDate=1\nsDate=\niLzero=1\n");
    const DateSettings settings = readDateSettings(profile, DateSettings{});
    EXPECT_EQ(formatDateStamp(settings, {1997, 12, 25}), "25-12-1997");
}

class SourceDateEpoch : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* value = std::getenv("SOURCE_DATE_EPOCH")) {
            saved_ = value;
        }
    }
    void TearDown() override {
        if (saved_) {
            setenv("SOURCE_DATE_EPOCH", saved_->c_str(), 1);
        } else {
            unsetenv("SOURCE_DATE_EPOCH");
        }
    }

  private:
    std::optional<std::string> saved_;
};

TEST_F(SourceDateEpoch, StandsForTodayAsAUtcDate) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1); // 2023-11-14 22:13:20 UTC
    const CalendarDate today = reportToday();
    EXPECT_EQ(today.year, 2023);
    EXPECT_EQ(today.month, 11);
    EXPECT_EQ(today.day, 14);
}

TEST_F(SourceDateEpoch, NotANumberIsIgnored) {
    setenv("SOURCE_DATE_EPOCH", "yesterday", 1);
    const CalendarDate today = reportToday();
    EXPECT_GE(today.year, 2024);
}

} // namespace
} // namespace korvel
