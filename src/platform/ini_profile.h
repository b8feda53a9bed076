#pragma once
// The user profile on this platform: an INI file with sections such as [intl] and [windows].
// Section and key names match without regard to case, as the profile always has.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace korvel {

class IniProfile final : public Profile {
  public:
    // Reads "name = value" lines under "[section]" headers; ";" and "#" start comment lines.
    // The first entry of a key counts. Values are kept as the file's bytes.
    static IniProfile fromText(std::string_view text);
    // nullopt when the file cannot be read.
    static std::optional<IniProfile> fromFile(const std::filesystem::path& file);

    // Entries the file lacks are answered by `fallback`, so that a file holding only the
    // printer keeps the date settings a user without a profile gets.
    void setFallback(std::shared_ptr<const Profile> fallback) { fallback_ = std::move(fallback); }

    [[nodiscard]] int intValue(std::string_view section, std::string_view key,
                               int defaultValue) const override;
    [[nodiscard]] std::string stringValue(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const override;

  private:
    std::map<std::string, std::string> values_; // "section\nkey", both lower case
    std::shared_ptr<const Profile> fallback_;
};

// Reads an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> processEnvironment(const char* name);

// Where the user profile lives: explicitFile (--profile FILE) when given, else $KORVEL_PROFILE,
// else $XDG_CONFIG_HOME/korvel/profile.ini, else $HOME/.config/korvel/profile.ini. nullopt when
// none of these can be named.
std::optional<std::filesystem::path>
resolveProfilePath(const std::optional<std::filesystem::path>& explicitFile,
                   const EnvironmentLookup& environment = processEnvironment);

// The profile of the resolved path when that file can be read, its missing entries answered as
// without a profile; otherwise the date settings of the user's locale (LocaleProfile) and no
// default printer.
std::unique_ptr<Profile> openUserProfile(const std::optional<std::filesystem::path>& explicitFile,
                                         const EnvironmentLookup& environment = processEnvironment);

} // namespace korvel
