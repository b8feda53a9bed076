// korvel-cli sites HOPFILE [--set 1|2 LAT LON [--elevation M | --dem SOURCE... [--dem-gdal-names]]]
//                          [--climate KEY=VALUE|KEY= ...]
//                          [--availability-objective PCT]
//                          [--verdict-method classic|p530-17|p530-18]

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli_dem.h"
#include "cli_files.h"
#include "cli_sites.h"
#include "commands.h"
#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "exit_codes.h"
#include "geo/site_offers.h"
#include "geo/site_ranges.h"
#include "geo/sites_file.h"

namespace korvel::cli {
namespace {

struct SitesJob {
    std::string file;
    std::vector<std::string> set; // station, latitude, longitude
    std::optional<std::string> elevationText;
    DemOptions dem;
    std::vector<std::string> climate; // KEY=VALUE sets a typed climate value, KEY= clears it
    std::optional<std::string> availabilityText; // empty: clear the objective
    std::optional<std::string> verdictMethod;
};

std::optional<double> numberIn(const std::string& text, double least, double most) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(value >= least && value <= most)) {
        return std::nullopt;
    }
    return value;
}

// The station's new site, or nothing after saying what is wrong.
std::optional<SitePosition> siteFromJob(const SitesJob& job, const HopSites& sites,
                                        std::size_t& station) {
    if (job.set[0] != "1" && job.set[0] != "2") {
        reportError("--set " + job.set[0] + ": the station is 1 or 2");
        return std::nullopt;
    }
    station = job.set[0] == "1" ? 0 : 1;
    const auto latitude = numberIn(job.set[1], -90.0, 90.0);
    const auto longitude = numberIn(job.set[2], -180.0, 180.0);
    if (!latitude || !longitude) {
        reportError("--set: latitude -90 to 90 and longitude -180 to 180, decimal degrees");
        return std::nullopt;
    }
    SitePosition site{*latitude, *longitude, 0.0};
    const std::string groundRange = rangeInWords(kGroundElevationRangeM, "m");
    if (job.elevationText) {
        const auto elevation =
            numberIn(*job.elevationText, kGroundElevationRangeM.least, kGroundElevationRangeM.most);
        if (!elevation) {
            reportError("--elevation " + *job.elevationText +
                        ": the ground elevation is a number " + groundRange);
            return std::nullopt;
        }
        site.groundElevationM = *elevation;
    } else if (DemOptions dem = job.dem; takeSettingsSources(dem)) {
        const auto model = openDem(dem);
        if (!model) {
            return std::nullopt;
        }
        const auto ground = model->elevationM(*latitude, *longitude);
        if (!ground) {
            reportError("--set: the elevation model has no data at the site");
            return std::nullopt;
        }
        if (!withinRange(*ground, kGroundElevationRangeM)) {
            reportError("--set: the elevation model gives " + formatNumbers("%g", *ground) +
                        " m at the site; the ground elevation is " + groundRange);
            return std::nullopt;
        }
        site.groundElevationM = *ground;
    } else if (const auto& before = sites.stations[station]) {
        site.groundElevationM = before->groundElevationM;
    } else {
        reportError("--set: give the ground elevation with --elevation M or --dem FILE");
        return std::nullopt;
    }
    return site;
}

// The objective the job sets (nothing to clear it); false after saying what is wrong.
bool availabilityFromJob(const std::string& text, std::optional<double>& objective) {
    if (text.empty()) {
        objective.reset();
        return true;
    }
    objective = numberIn(text, 0.0, kMaxAvailabilityObjectivePct);
    if (!objective || *objective <= 0.0) {
        reportError("--availability-objective " + text +
                    ": the objective is the annual rain unavailability allowed, % of a year, "
                    "above 0 and at most " +
                    formatNumbers("%g", kMaxAvailabilityObjectivePct) +
                    " (0.01 for an availability of 99.99 %); an empty value clears it");
        return false;
    }
    return true;
}

void printSites(const HopSites& sites, const HopRecord& record) {
    for (std::size_t s = 0; s < 2; ++s) {
        std::cout << "Station " << s + 1 << ": ";
        if (const auto& site = sites.stations[s]) {
            std::cout << fixedDecimals(site->latitudeDeg, 6) << ' '
                      << fixedDecimals(site->longitudeDeg, 6) << ", ground "
                      << fixedDecimals(site->groundElevationM, 1) << " m\n";
        } else {
            std::cout << "no site\n";
        }
    }
    std::cout << "Profile: " << sites.profile.size() << " points\n";
    if (!sites.climate.empty()) {
        const char* separator = "Climate: ";
        for (std::size_t q = 0; q < kClimateQuantityCount; ++q) {
            if (const auto& value = sites.climate.values[q]) {
                const auto& facts = climateQuantityFacts(static_cast<ClimateQuantity>(q));
                std::cout << separator << facts.key << ' ' << *value
                          << (facts.unit.empty() ? "" : " ") << facts.unit;
                separator = ", ";
            }
        }
        std::cout << "\n";
    }
    std::cout << "Availability objective: ";
    if (const auto& objective = sites.availabilityObjectivePct) {
        std::cout << percentWords(*objective) << " % of a year ("
                  << timeWords(OutageKind::Rain, *objective) << ")\n";
    } else {
        std::cout << "none (rain not judged)\n";
    }
    if (sites.verdictMethod != VerdictMethod::Classic) {
        std::cout << "Verdict method: " << verdictMethodName(sites.verdictMethod) << "\n";
    }
    const auto offers = siteOffers(sites);
    if (!offers) {
        return;
    }
    // Offers only: the hop file keeps its values until the planner takes these.
    std::cout << "From the sites: hop length " << fixedDecimals(offers->hopLengthKm, 1)
              << " km (hop file " << fixedDecimals(record.hopLengthKm, 1) << " km), latitude "
              << offers->latitudeDeg << (offers->northSouth == NorthSouth::North ? " N" : " S")
              << ", longitude " << offers->longitudeDeg
              << (offers->eastWest == EastWest::East ? " E" : " W") << ", station heights "
              << fixedDecimals(offers->stationHeightsM[0], 1) << " m and "
              << fixedDecimals(offers->stationHeightsM[1], 1) << " m (hop file "
              << fixedDecimals(record.station1HeightM, 1) << " m and "
              << fixedDecimals(record.station2HeightM, 1) << " m)\n";
}

int runSites(const SitesJob& job) {
    const auto hop = readStoredHop(job.file);
    if (!hop) {
        return kExitUnusable;
    }
    auto sites = readHopSites(job.file);
    if (!sites) {
        return kExitUnusable;
    }
    bool changed = !job.climate.empty();
    for (const std::string& setting : job.climate) {
        if (const std::string error = applyClimateSetting(sites->climate, setting);
            !error.empty()) {
            reportError("--climate " + error);
            return kExitUnusable;
        }
    }
    if (job.availabilityText) {
        if (!availabilityFromJob(*job.availabilityText, sites->availabilityObjectivePct)) {
            return kExitUnusable;
        }
        changed = true;
    }
    if (job.verdictMethod) {
        const auto method = verdictMethodNamed(*job.verdictMethod);
        if (!method) {
            reportError("--verdict-method " + *job.verdictMethod + ": expected " +
                        std::string(kVerdictMethodChoices));
            return kExitUnusable;
        }
        sites->verdictMethod = *method;
        changed = true;
    }
    if (!job.set.empty()) {
        changed = true;
        std::size_t station = 0;
        const auto site = siteFromJob(job, *sites, station);
        if (!site) {
            return kExitUnusable;
        }
        const auto& before = sites->stations[station];
        const bool moved = !before || before->latitudeDeg != site->latitudeDeg ||
                           before->longitudeDeg != site->longitudeDeg;
        if (moved && !sites->profile.empty()) {
            sites->profile.clear();
            std::cerr << "korvel-cli: " << job.file
                      << ": the profile was made for the old site and is dropped; make a new "
                         "one with korvel-cli profile --dem ... --save\n";
        }
        sites->stations[station] = site;
    }
    if (changed && !writeHopSites(job.file, *sites)) {
        return kExitUnusable;
    }
    printSites(*sites, hop->record);
    return kExitOk;
}

} // namespace

void addSitesCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<SitesJob>();
    CLI::App* command = app.add_subcommand(
        "sites", "Show or set the sites of a hop's stations (kept in HOPFILE.sites.json)");
    command->add_option("HOPFILE", job->file, "Hop file")->required();
    command
        ->add_option("--set", job->set,
                     "Station 1 or 2, then its latitude and longitude in decimal degrees "
                     "(WGS84; south and west negative)")
        ->expected(3)
        ->allow_extra_args(false);
    command->add_option("--elevation", job->elevationText,
                        "Ground elevation at the site, m (" +
                            rangeInWords(kGroundElevationRangeM, "m") + ")");
    command->add_option("--availability-objective", job->availabilityText,
                        "Annual rain unavailability the hop may have, % of a year (0.01 for "
                        "99.99 % availability); an empty value clears it");
    command->add_option("--verdict-method", job->verdictMethod,
                        "The method whose column judges the hop against its outage objective: "
                        "classic (the default), p530-17 or p530-18");
    addDemOptions(*command, job->dem, context,
                  "Elevation model to take the ground elevation from; repeat for tiles");
    command->add_option("--climate", job->climate,
                        "A typed climate value that overrides the maps: KEY=VALUE, or KEY= to "
                        "clear it; KEY is dN1, sa, logK, dN75, htM or R001; repeat for more");
    command->callback([&action, job] { action = [job] { return runSites(*job); }; });
}

} // namespace korvel::cli
