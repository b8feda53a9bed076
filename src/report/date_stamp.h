#pragma once
// The date stamp that heads every report: today's date in the user's order, separator and
// leading-zero setting.

#include <string>

namespace korvel {

class Profile;

enum class DateOrder { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };

struct DateSettings {
    DateOrder order = DateOrder::DayMonthYear;
    char separator = '.';
    bool leadingZero = false; // false: 05.01.1997 is written 5.1.1997
};

struct CalendarDate {
    int year = 1970; // four digits
    int month = 1;   // 1..12
    int day = 1;     // 1..31
};

// Reads "iDate", "sDate" and "iLzero" of section "intl" over the settings held so far. An order
// other than 0, 1 or 2 keeps the order held; only the first character of the separator counts.
DateSettings readDateSettings(const Profile& profile, const DateSettings& previous);

// The stamp for date: at most 10 characters, such as 25.12.1997, 12/25/1997 or 1997-12-25.
std::string formatDateStamp(const DateSettings& settings, const CalendarDate& date);

// Today for the reports: the local date, or the UTC date of SOURCE_DATE_EPOCH (seconds since
// 1970) when that is set, so that reproducible builds and tests get a fixed date.
CalendarDate reportToday();

} // namespace korvel
