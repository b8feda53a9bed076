#include "platform/locale_profile.h"

#include <clocale>
#include <langinfo.h>

namespace korvel {
namespace {

// "%D" and "%F" stand for whole dates.
std::string expandedFormat(std::string_view format) {
    std::string result;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'D') {
            result += "%m/%d/%y";
            ++i;
        } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'F') {
            result += "%Y-%m-%d";
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

} // namespace

LocaleDateSettings dateSettingsFromFormat(std::string_view strftimeFormat) {
    const std::string format = expandedFormat(strftimeFormat);
    LocaleDateSettings settings;
    std::string order; // the fields in the order written: 'm', 'd', 'y'
    bool separatorFound = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            if (!order.empty() && !separatorFound && format[i] != ' ') {
                separatorFound = true;
                const auto c = static_cast<unsigned char>(format[i]);
                settings.sDate = c < 0x80 ? std::string(1, format[i]) : std::string("-");
            }
            continue;
        }
        if (i + 1 >= format.size()) {
            break;
        }
        char conversion = format[++i];
        if ((conversion == '-' || conversion == '_') && i + 1 < format.size()) {
            settings.iLzero = 0; // "%-d": no padding; "%_d": blank padding
            conversion = format[++i];
        }
        switch (conversion) {
        case 'm':
            order += 'm';
            break;
        case 'e':
            settings.iLzero = 0;
            order += 'd';
            break;
        case 'd':
            order += 'd';
            break;
        case 'y':
        case 'Y':
            order += 'y';
            break;
        default:
            break;
        }
    }
    if (!order.empty() && order.front() == 'y') {
        settings.iDate = 2;
    } else if (order.find('d') < order.find('m')) {
        settings.iDate = 1;
    } else {
        settings.iDate = 0;
    }
    return settings;
}

LocaleProfile::LocaleProfile() {
    const char* current = std::setlocale(LC_TIME, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    std::setlocale(LC_TIME, "");
    settings_ = dateSettingsFromFormat(nl_langinfo(D_FMT));
    std::setlocale(LC_TIME, previous.c_str());
}

int LocaleProfile::intValue(std::string_view section, std::string_view key,
                            int defaultValue) const {
    if (!sameProfileName(section, "intl")) {
        return defaultValue;
    }
    if (sameProfileName(key, "iDate")) {
        return settings_.iDate;
    }
    if (sameProfileName(key, "iLzero")) {
        return settings_.iLzero;
    }
    return defaultValue;
}

std::string LocaleProfile::stringValue(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    if (sameProfileName(section, "intl") && sameProfileName(key, "sDate")) {
        return settings_.sDate;
    }
    return std::string(defaultValue);
}

} // namespace korvel
