#pragma once
// The Profile port: the user's settings the program reads but never writes. Section "intl" holds
// the date settings ("iDate", "sDate", "iLzero"), section "windows" the default printer ("Device").

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel {

class Profile {
  public:
    virtual ~Profile() = default;
    // The key's value as an integer; defaultValue when the key is missing. A value that does not
    // start with a number reads as 0.
    [[nodiscard]] virtual int intValue(std::string_view section, std::string_view key,
                                       int defaultValue) const = 0;
    // The key's text (Windows-1252); defaultValue when the key is missing.
    [[nodiscard]] virtual std::string stringValue(std::string_view section, std::string_view key,
                                                  std::string_view defaultValue) const = 0;
};

// Section and key names match without regard to (ASCII) case, as they always have in the profile.
inline bool sameProfileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace korvel
