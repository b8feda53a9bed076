#include "geo/sites_file.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>
#include <system_error>
#include <utility>

#include "engine/number_text.h"
#include "geo/climate_block.h"
#include "geo/plain_sites.h"
#include "geo/profile_checks.h"
#include "geo/site_ranges.h"
#include "geo/sites_file_keys.h"
#include "library/json_source.h"
#include "platform/file_read.h"

namespace korvel {

namespace {

using sites_keys::kVersion;
constexpr auto kStationKeys = sites_keys::kStations;
constexpr std::string_view kProfile = "profile";
constexpr std::string_view kClimate = "climate";
constexpr std::string_view kAvailabilityObjective = "availabilityObjectivePct";
constexpr std::string_view kVerdictMethod = "verdictMethod";

// A reading of one object of the file: the first fault stops it and keeps its path.
class Fields {
  public:
    Fields(const JsonSource& object, std::string path, std::string& error)
        : object_(object), path_(std::move(path)), error_(error) {}

    void onlyKnown(std::initializer_list<std::string_view> known) {
        for (const auto& [key, value] : object_.items()) {
            bool isKnown = false;
            for (const auto name : known) {
                isKnown = isKnown || key == name;
            }
            if (!isKnown) {
                fail(key, std::string(kUnknownField));
            }
        }
    }

    // A finite number from `least` to `most`, or nothing when `optional` and absent.
    std::optional<double> number(std::string_view name, PhysicalRange range,
                                 bool optional = false) {
        const double least = range.least;
        const double most = range.most;
        const auto found = object_.find(std::string(name));
        if (found == object_.end()) {
            if (!optional && error_.empty()) {
                error_ = (path_.empty() ? "" : path_ + ": ") + missingField(name);
            }
            return std::nullopt;
        }
        if (!found->is_number() || !std::isfinite(found->get<double>()) ||
            found->get<double>() < least || found->get<double>() > most) {
            fail(name, rangeText(least, most));
            return std::nullopt;
        }
        return found->get<double>();
    }

  private:
    static std::string rangeText(double least, double most) {
        if (std::isinf(least) && std::isinf(most)) {
            return std::string(kExpectedNumber);
        }
        if (std::isinf(most)) {
            return formatNumbers("expected a number of at least %g", least);
        }
        return "expected a number " + rangeInWords({least, most}, "");
    }

    void fail(std::string_view name, const std::string& why) {
        if (error_.empty()) {
            error_ = path_ + (path_.empty() ? "" : ".") + std::string(name) + ": " + why;
        }
    }

    const JsonSource& object_;
    std::string path_;
    std::string& error_;
};

constexpr double kAny = HUGE_VAL;

std::optional<SitePosition> stationFrom(const JsonSource& value, std::string_view key,
                                        std::string& error) {
    if (!value.is_object()) {
        error = std::string(key) + ": " + std::string(kExpectedObject);
        return std::nullopt;
    }
    Fields fields(value, std::string(key), error);
    using namespace sites_keys;
    fields.onlyKnown({kLatitude, kLongitude, kGroundElevation});
    const auto latitude = fields.number(kLatitude, kLatitudeRangeDeg);
    const auto longitude = fields.number(kLongitude, kLongitudeRangeDeg);
    const auto elevation = fields.number(kGroundElevation, kGroundElevationRangeM);
    if (!error.empty()) {
        return std::nullopt;
    }
    return SitePosition{*latitude, *longitude, *elevation};
}

TerrainProfile profileFrom(const JsonSource& value, std::string& error) {
    TerrainProfile profile;
    if (!value.is_array()) {
        error = std::string(kProfile) + ": " + std::string(kExpectedList);
        return profile;
    }
    if (value.size() > kMaxProfilePoints) {
        error =
            std::string(kProfile) + ": more than " + std::to_string(kMaxProfilePoints) + " points";
        return profile;
    }
    profile.reserve(value.size());
    for (std::size_t i = 0; i < value.size() && error.empty(); ++i) {
        const std::string path = std::string(kProfile) + "[" + std::to_string(i) + "]";
        if (!value[i].is_object()) {
            error = path + ": " + std::string(kExpectedObject);
            break;
        }
        Fields fields(value[i], path, error);
        fields.onlyKnown({"distanceKm", "groundM", "clutterM"});
        const auto distance = fields.number("distanceKm", kProfileDistanceRangeKm);
        const auto ground = fields.number("groundM", kGroundElevationRangeM);
        const auto clutter = fields.number("clutterM", kClutterRangeM, true);
        if (error.empty()) {
            profile.push_back({*distance, *ground, clutter.value_or(0.0), clutter.has_value()});
        }
    }
    if (error.empty()) {
        if (const auto fault = profileFault(profile)) {
            error =
                std::string(kProfile) + "[" + std::to_string(fault->index) + "]: " + fault->text;
        }
    }
    return profile;
}

std::optional<std::string> availabilityObjectiveFault(const std::optional<double>& objective) {
    if (!objective || (*objective > 0.0 && *objective <= kMaxAvailabilityObjectivePct)) {
        return std::nullopt;
    }
    return std::string(kAvailabilityObjective) + ": expected a number above 0, at most " +
           formatNumbers("%g", kMaxAvailabilityObjectivePct);
}

// The availability objective, kept apart from the sites themselves.
void readAvailabilityObjective(const JsonSource& root, HopSites& sites, std::string& error) {
    Fields fields(root, "", error);
    const auto objective = fields.number(kAvailabilityObjective, {-kAny, kAny}, true);
    if (const auto fault = availabilityObjectiveFault(objective); fault && error.empty()) {
        error = *fault;
        return;
    }
    sites.availabilityObjectivePct = objective;
}

void writeAvailabilityObjective(JsonSource& root, const HopSites& sites) {
    if (sites.availabilityObjectivePct) {
        root[std::string(kAvailabilityObjective)] = *sites.availabilityObjectivePct;
    }
}

// The method the verdict judges by: the classic one when the key is absent, and never written
// for it, so that a hop that never chose keeps the file it had.
void readVerdictMethod(const JsonSource& root, HopSites& sites, std::string& error) {
    const auto found = root.find(std::string(kVerdictMethod));
    if (found == root.end()) {
        return;
    }
    const auto method =
        found->is_string() ? verdictMethodNamed(found->get<std::string>()) : std::nullopt;
    if (!method) {
        error = std::string(kVerdictMethod) + ": expected " + std::string(kVerdictMethodChoices);
        return;
    }
    sites.verdictMethod = *method;
}

SitesRead refusedSites(std::string error) {
    return {SitesReadStatus::Refused, {}, std::move(error)};
}

} // namespace

std::filesystem::path sitesFilePath(const std::filesystem::path& hopFile) {
    std::filesystem::path sites = hopFile;
    sites += ".sites.json";
    return sites;
}

SitesRead parseSitesText(std::string_view text) {
    if (auto plain = readPlainSites(text, kSitesFileVersion)) {
        return {SitesReadStatus::Read, std::move(*plain), {}};
    }
    ParsedJsonSource parsed = parseJsonSource(text);
    if (!parsed.error.empty()) {
        return refusedSites(parsed.error);
    }
    const JsonSource& root = parsed.root;
    std::string error;
    Fields fields(root, "", error);
    fields.onlyKnown({kVersion, kStationKeys[0], kStationKeys[1], kProfile, kClimate,
                      kAvailabilityObjective, kVerdictMethod});
    const auto version = fields.number(kVersion, {1.0, kAny});
    if (!error.empty()) {
        return refusedSites(error);
    }
    if (*version != 1 && *version != kSitesFileVersion) {
        return refusedSites("version " + root[std::string(kVersion)].dump() +
                            ": written by a newer Korvel; this one reads version " +
                            std::to_string(kSitesFileVersion));
    }
    SitesRead read{SitesReadStatus::Read, {}, {}};
    for (std::size_t s = 0; s < 2; ++s) {
        const auto found = root.find(std::string(kStationKeys[s]));
        if (found != root.end()) {
            read.sites.stations[s] = stationFrom(*found, kStationKeys[s], error);
        }
    }
    const auto profile = root.find(std::string(kProfile));
    if (error.empty() && profile != root.end()) {
        read.sites.profile = profileFrom(*profile, error);
    }
    const auto climate = root.find(std::string(kClimate));
    if (error.empty() && climate != root.end()) {
        read.sites.climate = climateBlockFrom(*climate, error);
    }
    if (error.empty()) {
        readAvailabilityObjective(root, read.sites, error);
    }
    if (error.empty()) {
        readVerdictMethod(root, read.sites, error);
    }
    return error.empty() ? read : refusedSites(error);
}

std::string sitesFileText(const HopSites& sites) {
    JsonSource root = JsonSource::object();
    root[std::string(kVersion)] = kSitesFileVersion;
    for (std::size_t s = 0; s < 2; ++s) {
        if (const auto& station = sites.stations[s]) {
            using namespace sites_keys;
            root[std::string(kStationKeys[s])] = {
                {std::string(kLatitude), station->latitudeDeg},
                {std::string(kLongitude), station->longitudeDeg},
                {std::string(kGroundElevation), station->groundElevationM}};
        }
    }
    if (!sites.profile.empty()) {
        JsonSource points = JsonSource::array();
        for (const ProfilePoint& point : sites.profile) {
            JsonSource entry = {{"distanceKm", point.distanceKm}, {"groundM", point.groundM}};
            if (point.hasClutter) {
                entry["clutterM"] = point.clutterM;
            }
            points.push_back(std::move(entry));
        }
        root[std::string(kProfile)] = std::move(points);
    }
    if (!sites.climate.empty()) {
        root[std::string(kClimate)] = climateBlockJson(sites.climate);
    }
    writeAvailabilityObjective(root, sites);
    if (sites.verdictMethod != VerdictMethod::Classic) {
        root[std::string(kVerdictMethod)] = std::string(verdictMethodName(sites.verdictMethod));
    }
    return root.dump(1, '\t') + "\n";
}

SitesRead readSitesFile(const std::filesystem::path& sitesFile) {
    // Opened straight away: the open says when there is no file, and a look first cost a call.
    const FileBytes read = readRegularFile(sitesFile, kSitesFileMaxBytes, BeyondLimit::Refuse);
    std::error_code ignored;
    if (read.status == FileReadStatus::NotFound || (read.status == FileReadStatus::ReadError &&
                                                    !std::filesystem::exists(sitesFile, ignored))) {
        return {};
    }
    if (read.status == FileReadStatus::TooLarge) {
        return refusedSites("the file is larger than " + std::to_string(kSitesFileMaxBytes >> 20u) +
                            " MiB; a sites file is far smaller");
    }
    if (!read) {
        return refusedSites("the file cannot be read");
    }
    return parseSitesText(
        std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
}

std::optional<std::string> sitesFault(const HopSites& sites) {
    for (std::size_t s = 0; s < 2; ++s) {
        const auto& station = sites.stations[s];
        if (!station) {
            continue;
        }
        const std::string key(kStationKeys[s]);
        if (!withinRange(station->latitudeDeg, kLatitudeRangeDeg) ||
            !withinRange(station->longitudeDeg, kLongitudeRangeDeg)) {
            return key + ": latitude " + rangeInWords(kLatitudeRangeDeg, "") + " and longitude " +
                   rangeInWords(kLongitudeRangeDeg, "") + " degrees";
        }
        if (!withinRange(station->groundElevationM, kGroundElevationRangeM)) {
            return key + ": the ground elevation must be " +
                   rangeInWords(kGroundElevationRangeM, "m");
        }
    }
    if (auto fault = availabilityObjectiveFault(sites.availabilityObjectivePct)) {
        return fault;
    }
    if (sites.profile.empty()) {
        return std::nullopt;
    }
    if (const auto fault = profileFault(sites.profile)) {
        return std::string(kProfile) + "[" + std::to_string(fault->index) + "]: " + fault->text;
    }
    return std::nullopt;
}

FileWriteResult writeSitesFile(const std::filesystem::path& sitesFile, const HopSites& sites) {
    const std::string text = sitesFileText(sites);
    // What the reader would refuse is not written: the old file stays.
    if (sitesFault(sites) || text.size() > kSitesFileMaxBytes) {
        return FileWriteResult::CannotWrite;
    }
    return replaceFileContents(
        sitesFile, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

SitesRead loadSites(const std::filesystem::path& hopFile) {
    return readSitesFile(sitesFilePath(hopFile));
}

FileWriteResult saveSites(const std::filesystem::path& hopFile, const HopSites& sites) {
    const bool empty = !sites.stations[0] && !sites.stations[1] && sites.profile.empty() &&
                       sites.climate.empty() && !sites.availabilityObjectivePct &&
                       sites.verdictMethod == VerdictMethod::Classic;
    return empty ? FileWriteResult::Written : writeSitesFile(sitesFilePath(hopFile), sites);
}

} // namespace korvel
