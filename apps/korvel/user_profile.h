#pragma once
// The user's profile as it is on disk now: read at start and again whenever the user's settings
// change, so the date settings follow the user.

#include <filesystem>
#include <memory>
#include <optional>

#include "platform/profile.h"

namespace korvel {

class UserProfile final : public Profile {
  public:
    explicit UserProfile(std::optional<std::filesystem::path> explicitFile);

    // Reads the profile again (the file, or the locale when there is no file).
    void reload();
    // The file the profile comes from; nothing when it comes from the locale.
    [[nodiscard]] std::optional<std::filesystem::path> file() const;

    [[nodiscard]] int intValue(std::string_view section, std::string_view key,
                               int defaultValue) const override;
    [[nodiscard]] std::string stringValue(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const override;

  private:
    std::optional<std::filesystem::path> explicitFile_;
    std::unique_ptr<Profile> current_;
};

} // namespace korvel
