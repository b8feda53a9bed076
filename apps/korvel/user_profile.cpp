#include "user_profile.h"

#include "platform/ini_profile.h"

namespace korvel {

UserProfile::UserProfile(std::optional<std::filesystem::path> explicitFile)
    : explicitFile_(std::move(explicitFile)) {
    reload();
}

void UserProfile::reload() {
    current_ = openUserProfile(explicitFile_);
}

std::optional<std::filesystem::path> UserProfile::file() const {
    return resolveProfilePath(explicitFile_);
}

int UserProfile::intValue(std::string_view section, std::string_view key, int defaultValue) const {
    return current_->intValue(section, key, defaultValue);
}

std::string UserProfile::stringValue(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    return current_->stringValue(section, key, defaultValue);
}

} // namespace korvel
