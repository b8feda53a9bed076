#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/ini_profile.h"
#include "report/date_stamp.h"

namespace korvel {
namespace {

TEST(DateStamp, WritesOrderSeparatorAndLeadingZeros) {
    constexpr DateSettings mdy{DateOrder::MonthDayYear, '/', false};
    constexpr DateSettings dmy{DateOrder::DayMonthYear, '.', false};
    constexpr DateSettings dmyZero{DateOrder::DayMonthYear, '.', true};
    constexpr DateSettings ymd{DateOrder::YearMonthDay, '-', false};
    constexpr DateSettings ymdZero{DateOrder::YearMonthDay, '-', true};
    const struct {
        DateSettings settings;
        CalendarDate date;
        const char* expected;
    } cases[] = {
        {dmy, {1997, 12, 25}, "25.12.1997"},
        {mdy, {1997, 12, 25}, "12/25/1997"},
        {ymd, {1997, 12, 25}, "1997-12-25"},
        {mdy, {1997, 1, 5}, "1/5/1997"},
        {mdy, {1997, 1, 10}, "1/10/1997"}, // the day moves left after the month's zero
        {mdy, {1997, 11, 5}, "11/5/1997"},
        {dmy, {2000, 2, 1}, "1.2.2000"},
        {dmy, {2000, 2, 15}, "15.2.2000"},
        {dmyZero, {2000, 2, 1}, "01.02.2000"},
        {ymd, {2001, 3, 4}, "2001-3-4"},
        {ymd, {2001, 10, 4}, "2001-10-4"},
        {ymdZero, {2001, 3, 4}, "2001-03-04"},
        {ymd, {2010, 12, 31}, "2010-12-31"}, // a zero in the year is no month zero
        {dmyZero, {987, 6, 7}, "07.06.0987"},
        {DateSettings{}, {1997, 1, 5}, "5.1.1997"}, // before any read: day-month-year with dot
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatDateStamp(c.settings, c.date), c.expected);
    }
}

DateSettings read(const char* text, DateSettings held = {}) {
    return readDateSettings(IniProfile::fromText(text), held);
}

TEST(DateSettingsRead, MissingKeysGiveOrderZeroDashAndNoLeadingZero) {
    const DateSettings settings = read("");
    EXPECT_EQ(settings.order, DateOrder::MonthDayYear);
    EXPECT_EQ(settings.separator, '-');
    EXPECT_FALSE(settings.leadingZero);
}

TEST(DateSettingsRead, UnknownOrderKeepsTheOrderHeld) {
    const char* text = "[intl]\niDate=5\nsDate=/\niLzero=1\n";
    const DateSettings settings = read(text, {DateOrder::YearMonthDay, '.', false});
    EXPECT_EQ(settings.order, DateOrder::YearMonthDay);
    EXPECT_EQ(settings.separator, '/');
    EXPECT_TRUE(settings.leadingZero);
    EXPECT_EQ(read(text).order, DateOrder::DayMonthYear); // held at first start
}

TEST(DateSettingsRead, SeparatorTakesItsFirstCharacterAndAnEmptyOneFallsBackToDash) {
    EXPECT_EQ(read("[intl]\niDate=2\nsDate=-/\n").separator, '-');
    // An empty separator used to cut the stamp short.
    EXPECT_EQ(formatDateStamp(read("[intl]\niDate=1\nsDate=\niLzero=1\n"), {1997, 12, 25}),
              "25-12-1997");
}

TEST(SourceDateEpoch, StandsForTodayAsAUtcDateUnlessItIsNotANumber) {
    const char* saved = std::getenv("SOURCE_DATE_EPOCH");
    const std::optional<std::string> restore =
        saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1); // 2023-11-14 22:13:20 UTC
    const CalendarDate today = reportToday();
    EXPECT_EQ(today.year, 2023);
    EXPECT_EQ(today.month, 11);
    EXPECT_EQ(today.day, 14);
    setenv("SOURCE_DATE_EPOCH", "yesterday", 1);
    EXPECT_GE(reportToday().year, 2024);
    if (restore) {
        setenv("SOURCE_DATE_EPOCH", restore->c_str(), 1);
    } else {
        unsetenv("SOURCE_DATE_EPOCH");
    }
}

} // namespace
} // namespace korvel
