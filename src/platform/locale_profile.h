#pragma once
// The profile of a user who has no profile file: the date order, separator and leading-zero
// switch of the locale's date format (LC_TIME); every other key gives its default.

#include <string>
#include <string_view>

#include "platform/profile.h"

namespace korvel {

struct LocaleDateSettings {
    int iDate = 0;           // 0 month-day-year, 1 day-month-year, 2 year-month-day
    std::string sDate = "/"; // separator
    int iLzero = 1;          // 1 when days and months are written with a leading zero
};

// Reads a strftime date format such as "%m/%d/%y", "%d.%m.%Y", "%Y-%m-%d" or "%e/%m/%Y".
LocaleDateSettings dateSettingsFromFormat(std::string_view strftimeFormat);

class LocaleProfile final : public Profile {
  public:
    // Takes the date format of the user's LC_TIME locale; the process locale is left as it was.
    LocaleProfile();
    explicit LocaleProfile(LocaleDateSettings settings) : settings_(std::move(settings)) {}

    [[nodiscard]] int intValue(std::string_view section, std::string_view key,
                               int defaultValue) const override;
    [[nodiscard]] std::string stringValue(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const override;

  private:
    LocaleDateSettings settings_;
};

} // namespace korvel
