// The report date stamp and the date settings read from the profile.

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

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
    // clang-format off
    const struct {
        DateSettings settings;
        CalendarDate date;
        const char* expected;
    } cases[] = {
        {dmy, {1997, 12, 25}, "25.12.1997"}, {mdy, {1997, 12, 25}, "12/25/1997"},
        {ymd, {1997, 12, 25}, "1997-12-25"}, {dmyZero, {987, 6, 7}, "07.06.0987"},
        {dmyZero, {2000, 2, 1}, "01.02.2000"}, {ymdZero, {2001, 3, 4}, "2001-03-04"},
        // Leading zeros left out: the day moves left after the month's zero.
        {mdy, {1997, 1, 5}, "1/5/1997"}, {mdy, {1997, 1, 10}, "1/10/1997"},
        {mdy, {1997, 11, 5}, "11/5/1997"}, {dmy, {2000, 2, 1}, "1.2.2000"},
        {dmy, {2000, 2, 15}, "15.2.2000"}, {ymd, {2001, 3, 4}, "2001-3-4"},
        {ymd, {2001, 10, 4}, "2001-10-4"},
        {ymd, {2010, 12, 31}, "2010-12-31"}, // a zero in the year is no month zero
        {DateSettings{}, {1997, 1, 5}, "5.1.1997"}, // before any read: day-month-year with dot
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(formatDateStamp(c.settings, c.date), c.expected);
    }
}

DateSettings read(const char* text, DateSettings held = {}) {
    return readDateSettings(IniProfile::fromText(text), held);
}

TEST(DateSettingsRead, MissingKeysGiveOrderZeroDashAndNoLeadingZero) {
    EXPECT_EQ(formatDateStamp(read(""), {1997, 1, 5}), "1-5-1997");
}

TEST(DateSettingsRead, UnknownOrderKeepsTheOrderHeld) {
    const char* text = "[intl]\niDate=5\nsDate=/\niLzero=1\n";
    EXPECT_EQ(formatDateStamp(read(text, {DateOrder::YearMonthDay, '.', false}), {1997, 1, 5}),
              "1997/01/05");
    EXPECT_EQ(formatDateStamp(read(text), {1997, 1, 5}), "05/01/1997"); // held at first start
}

TEST(DateSettingsRead, SeparatorTakesItsFirstCharacterAndAnEmptyOneFallsBackToDash) {
    EXPECT_EQ(read("[intl]\niDate=2\nsDate=-/\n").separator, '-');
    // An empty separator used to cut the stamp short.
    EXPECT_EQ(formatDateStamp(read("[intl]\niDate=1\nsDate=\niLzero=1\n"), {1997, 12, 25}),
              "25-12-1997");
}

// No other test here reads SOURCE_DATE_EPOCH; it is left unset.
TEST(SourceDateEpoch, StandsForTodayAsAUtcDateUnlessItIsNotANumber) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1); // 2023-11-14 22:13:20 UTC
    const CalendarDate today = reportToday();
    EXPECT_EQ(std::tie(today.year, today.month, today.day), std::tuple(2023, 11, 14));
    setenv("SOURCE_DATE_EPOCH", "yesterday", 1);
    EXPECT_GE(reportToday().year, 2024);
    unsetenv("SOURCE_DATE_EPOCH");
}

} // namespace
} // namespace korvel
