#include "report/date_stamp.h"

#include <charconv>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "platform/profile.h"

namespace korvel {
namespace {

struct StampPositions {
    std::size_t month;
    std::size_t day;
    std::size_t year;
};

StampPositions positionsOf(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return {0, 3, 6};
    case DateOrder::YearMonthDay:
        return {5, 8, 0};
    case DateOrder::DayMonthYear:
        break;
    }
    return {3, 0, 6};
}

void putDigits(std::string& stamp, std::size_t at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i) {
        stamp[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

} // namespace

DateSettings readDateSettings(const Profile& profile, const DateSettings& previous) {
    DateSettings settings = previous;
    const int order = profile.intValue("intl", "iDate", 0);
    if (order >= 0 && order <= 2) {
        settings.order = static_cast<DateOrder>(order);
    }
    const std::string separator = profile.stringValue("intl", "sDate", "-");
    // An empty entry would put a terminator into the stamp and cut it after the first field.
    settings.separator = separator.empty() ? '-' : separator.front();
    settings.leadingZero = profile.intValue("intl", "iLzero", 0) != 0;
    return settings;
}

std::string formatDateStamp(const DateSettings& settings, const CalendarDate& date) {
    std::string stamp(10, ' ');
    for (std::size_t at : {2U, 4U, 5U, 7U}) {
        stamp[at] = settings.separator;
    }
    StampPositions at = positionsOf(settings.order);
    putDigits(stamp, at.month, date.month, 2);
    putDigits(stamp, at.day, date.day, 2);
    putDigits(stamp, at.year, date.year, 4);
    if (!settings.leadingZero) {
        if (stamp[at.month] == '0') {
            stamp.erase(at.month, 1);
            if (at.month < at.day) {
                --at.day;
            }
        }
        if (stamp[at.day] == '0') {
            stamp.erase(at.day, 1);
        }
    }
    return stamp;
}

CalendarDate reportToday() {
    std::time_t now = std::time(nullptr);
    bool utc = false;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr) {
        const std::string_view text(epoch);
        long long seconds = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (error == std::errc() && end == text.data() + text.size() && !text.empty()) {
            now = static_cast<std::time_t>(seconds);
            utc = true;
        }
    }
    std::tm parts{};
    if (utc) {
        gmtime_r(&now, &parts);
    } else {
        localtime_r(&now, &parts);
    }
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

} // namespace korvel
