#include "platform/elevation_sources.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>

#include "platform/file_read.h"
#include "platform/file_replace.h"
#include "platform/text_trim.h"

namespace korvel {

namespace {

constexpr std::string_view kSection = "terrain";

std::string sourceKey(std::size_t number) {
    return "Source" + std::to_string(number);
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> sectionOf(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    return trimmed(line.substr(1, line.size() - 2));
}

// The file's lines without its [terrain] section.
std::string withoutTerrainSection(std::string_view text) {
    std::string kept;
    bool inTerrain = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (const auto section = sectionOf(line)) {
            inTerrain = sameProfileName(*section, kSection);
        }
        if (!inTerrain) {
            kept.append(line).append("\n");
        }
    }
    return kept;
}

} // namespace

std::vector<std::filesystem::path> elevationSources(const Profile& profile) {
    std::vector<std::filesystem::path> sources;
    for (std::size_t number = 1;; ++number) {
        const std::string source = profile.stringValue(kSection, sourceKey(number), "");
        if (source.empty()) {
            return sources;
        }
        sources.emplace_back(source);
    }
}

std::string saveElevationSources(const std::filesystem::path& profileFile,
                                 const std::vector<std::filesystem::path>& sources) {
    std::string text;
    std::error_code missing;
    if (std::filesystem::exists(profileFile, missing)) {
        const auto read = readRegularFile(profileFile, kTextInputLimit, BeyondLimit::Refuse);
        if (!read) {
            return profileFile.filename().string() + ": " + fileReadProblem(read.status) +
                   " (the settings)";
        }
        text = withoutTerrainSection(std::string(read.bytes.begin(), read.bytes.end()));
    }
    if (!sources.empty()) {
        text += "[terrain]\n";
        for (std::size_t i = 0; i < sources.size(); ++i) {
            text += sourceKey(i + 1) + "=" + sources[i].string() + "\n";
        }
    }
    std::error_code failure;
    if (profileFile.has_parent_path()) {
        std::filesystem::create_directories(profileFile.parent_path(), failure);
    }
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (failure || replaceFileContents(profileFile, bytes) != FileWriteResult::Written) {
        return profileFile.filename().string() + ": cannot write (the settings)";
    }
    return {};
}

} // namespace korvel
