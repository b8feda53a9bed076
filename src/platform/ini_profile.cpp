#include "platform/ini_profile.h"

#include <charconv>
#include <cstdlib>

#include "platform/file_read.h"
#include "platform/locale_profile.h"
#include "platform/text_trim.h"

namespace korvel {
namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

std::string entryName(std::string_view section, std::string_view key) {
    return lowered(section) + '\n' + lowered(key);
}

} // namespace

IniProfile IniProfile::fromText(std::string_view text) {
    IniProfile profile;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = std::string(trimmed(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        profile.values_.emplace(entryName(section, trimmed(line.substr(0, equals))),
                                std::string(trimmed(line.substr(equals + 1))));
    }
    return profile;
}

std::optional<IniProfile> IniProfile::fromFile(const std::filesystem::path& file) {
    const FileBytes bytes = readRegularFile(file, kTextInputLimit, BeyondLimit::Refuse);
    if (!bytes) {
        return std::nullopt;
    }
    return fromText(std::string(bytes.bytes.begin(), bytes.bytes.end()));
}

int IniProfile::intValue(std::string_view section, std::string_view key, int defaultValue) const {
    const auto found = values_.find(entryName(section, key));
    if (found == values_.end()) {
        return fallback_ ? fallback_->intValue(section, key, defaultValue) : defaultValue;
    }
    // Like the profile always read numbers: the leading digits count, anything else reads as 0.
    const std::string& text = found->second;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') {
        ++begin;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    return error == std::errc() ? value : 0;
}

std::string IniProfile::stringValue(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const auto found = values_.find(entryName(section, key));
    if (found == values_.end()) {
        return fallback_ ? fallback_->stringValue(section, key, defaultValue)
                         : std::string(defaultValue);
    }
    return found->second;
}

std::optional<std::string> processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::filesystem::path>
resolveProfilePath(const std::optional<std::filesystem::path>& explicitFile,
                   const EnvironmentLookup& environment) {
    if (explicitFile) {
        return explicitFile;
    }
    const auto nonEmpty = [&](const char* name) {
        std::optional<std::string> value = environment(name);
        return value && !value->empty() ? value : std::nullopt;
    };
    if (auto file = nonEmpty("KORVEL_PROFILE")) {
        return std::filesystem::path(*file);
    }
    if (auto config = nonEmpty("XDG_CONFIG_HOME")) {
        return std::filesystem::path(*config) / "korvel" / "profile.ini";
    }
    if (auto home = nonEmpty("HOME")) {
        return std::filesystem::path(*home) / ".config" / "korvel" / "profile.ini";
    }
    return std::nullopt;
}

std::unique_ptr<Profile> openUserProfile(const std::optional<std::filesystem::path>& explicitFile,
                                         const EnvironmentLookup& environment) {
    if (const auto file = resolveProfilePath(explicitFile, environment)) {
        if (auto profile = IniProfile::fromFile(*file)) {
            profile->setFallback(std::make_shared<LocaleProfile>());
            return std::make_unique<IniProfile>(std::move(*profile));
        }
    }
    return std::make_unique<LocaleProfile>();
}

} // namespace korvel
