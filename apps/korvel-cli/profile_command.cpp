// korvel-cli profile HOPFILE [--dem SOURCE]... [--dem-gdal-names] [--csv PROFILE.csv]
//                    [--k K] [--step M] [--rule c@k]... [--rule-set NAME] [--fixed-end 1|2]
//                    [--json|--csv] [--save]

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
#include "exit_codes.h"
#include "geo/clearance_rules.h"
#include "geo/path_ends.h"
#include "geo/path_geometry.h"
#include "geo/profile_checks.h"
#include "geo/profile_csv.h"
#include "geo/profile_study.h"
#include "geo/site_ranges.h"
#include "geo/sites_file.h"
#include "geo/terrain_profile.h"
#include "json_writer.h"

namespace korvel::cli {
namespace {

struct ProfileJob {
    std::string file;
    DemOptions dem;
    std::vector<std::string> csv; // "" asks for CSV output; a name imports that profile
    std::string k = "4/3";
    double stepM = 0.0; // 0: the model's cell size
    std::vector<std::string> rules;
    std::string ruleSet{kClearanceRuleSets.front().name};
    int fixedEnd = 0; // 1 or 2: that antenna keeps the hop's height and the other is found
    bool json = false;
    bool save = false;
};

struct ProfileSource {
    TerrainProfile profile;
    bool fresh = false; // made now from a model or a CSV file, not read from the sites file
};

std::optional<ProfileSource> profileFor(const ProfileJob& job, const HopRecord& record,
                                        const HopSites& sites) {
    std::string csvFile;
    for (const auto& entry : job.csv) {
        csvFile = entry.empty() ? csvFile : entry;
    }
    if (!csvFile.empty() && !job.dem.files.empty()) {
        reportError("give --dem or --csv PROFILE.csv, not both");
        return std::nullopt;
    }
    if (!csvFile.empty()) {
        const auto text = readInputFile(csvFile);
        if (!text) {
            return std::nullopt;
        }
        ProfileImport read = importProfileCsv(*text, record.hopLengthKm);
        if (!read.error.empty()) {
            reportError(csvFile + ": " + read.error);
            return std::nullopt;
        }
        return ProfileSource{std::move(read.profile), true};
    }
    DemOptions dem = job.dem;
    // The hop's own profile counts before the models of the settings.
    if (!dem.files.empty() || (sites.profile.empty() && takeSettingsSources(dem))) {
        if (!sites.stations[0] || !sites.stations[1]) {
            reportError(job.file + ": the hop has no sites; give them with korvel-cli sites " +
                        job.file + " --set 1 LAT LON (and --set 2)");
            return std::nullopt;
        }
        const auto model = openDem(dem);
        if (!model) {
            return std::nullopt;
        }
        const double stepKm =
            job.stepM > 0.0 ? job.stepM / kMetresPerKm : defaultProfileStepKm(*model);
        ProfileSampling sampling = sampleProfile(*model, geoPointOf(*sites.stations[0]),
                                                 geoPointOf(*sites.stations[1]), stepKm);
        if (!sampling.error.empty()) {
            reportError(job.file + ": " + sampling.error);
            return std::nullopt;
        }
        return ProfileSource{std::move(sampling.profile), true};
    }
    if (sites.profile.empty()) {
        reportError(job.file + ": the hop has no profile; give --dem FILE or --csv PROFILE.csv, "
                               "or keep elevation models in the settings");
        return std::nullopt;
    }
    if (const auto fault = profileEndFault(sites.profile, record.hopLengthKm)) {
        reportError(sitesFilePath(job.file).string() + ": " + *fault +
                    "; make a new one with --dem FILE or --csv PROFILE.csv and --save");
        return std::nullopt;
    }
    return ProfileSource{sites.profile, false};
}

// How a k may be written, in the words of its range.
std::string kInWords() {
    return "a number or a fraction such as 4/3 " + rangeInWords(kEarthRadiusFactorRange, "") +
           ", or ke";
}

std::optional<std::vector<ClearanceRule>> rulesFor(const ProfileJob& job, double pathKm) {
    if (job.rules.empty()) {
        // The option's check takes only the table's names.
        return clearanceRules(clearanceRuleSetNamed(job.ruleSet)->set, pathKm);
    }
    std::vector<ClearanceRule> rules;
    for (const auto& text : job.rules) {
        const auto rule = parseClearanceRule(text, pathKm);
        if (!rule) {
            reportError("--rule " + text + ": expected c@k, c a number " +
                        rangeInWords(kClearanceFractionRange, "") + " and k " + kInWords());
            return std::nullopt;
        }
        rules.push_back(*rule);
    }
    return rules;
}

// Each end's alignment: "station1": {"azimuthDeg", "elevationDeg", "distanceKm"}; the azimuth
// is null without both sites.
void writeEnds(JsonWriter& json, const PathEnds& ends) {
    for (std::size_t i = 0; i < ends.ends.size(); ++i) {
        const PathEnd& end = ends.ends[i];
        json.key(i == 0 ? "station1" : "station2").beginObject().key("azimuthDeg");
        if (end.azimuthDeg) {
            json.number(*end.azimuthDeg);
        } else {
            json.null();
        }
        json.key("elevationDeg").number(end.elevationDeg);
        json.key("distanceKm").number(ends.distanceKm).endObject();
    }
}

void writeDiversity(JsonWriter& json, const DiversityStudy& diversity) {
    json.key("diversity").beginObject();
    json.key("c").number(diversity.rule.c).key("k").number(diversity.rule.k);
    json.key("antennaM").number(diversity.antennaM).key("met").boolean(diversity.ruleMet);
    json.key("lowestM").number(diversity.lowestM).endObject();
}

void printJson(const ProfileStudy& study, double frequencyGHz,
               const std::vector<ClearanceRule>& rules, const PathEnds& ends) {
    const ProfileAnalysis& analysis = study.analysis;
    JsonWriter json;
    json.beginObject().key("lengthKm").number(analysis.pathKm);
    json.key("frequencyGHz").number(frequencyGHz);
    json.key("points").beginArray();
    for (const ProfileSample& sample : analysis.samples) {
        json.beginObject()
            .key("distanceKm")
            .number(sample.distanceKm)
            .key("groundM")
            .number(sample.groundM)
            .key("clutterM")
            .number(sample.clutterM)
            .key("bulgeM")
            .number(sample.bulgeM)
            .key("losM")
            .number(sample.lineOfSightM)
            .key("f1M")
            .number(sample.f1M)
            .key("clearanceM")
            .number(sample.clearanceM)
            .endObject();
    }
    json.endArray().key("worst").beginObject();
    if (analysis.worst) {
        json.key("distanceKm").number(analysis.samples[analysis.worst->index].distanceKm);
        json.key("clearanceF1").number(analysis.worst->clearanceF1);
    }
    json.endObject().key("rules").beginArray();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        json.beginObject().key("c").number(rules[i].c).key("k").number(rules[i].k);
        json.key("met").boolean(study.rulesMet[i]).endObject();
    }
    json.endArray().key("lowestEqualHeightsM").number(study.lowestEqual.antenna1M);
    if (study.lowestWithFixedEnd) {
        json.key("lowestWithFixedEndM").beginObject();
        json.key("antenna1M").number(study.lowestWithFixedEnd->antenna1M);
        json.key("antenna2M").number(study.lowestWithFixedEnd->antenna2M).endObject();
    }
    if (study.diversity) {
        writeDiversity(json, *study.diversity);
    }
    writeEnds(json, ends);
    json.endObject();
    std::cout << json.str() << '\n';
}

void printProfileCsv(const ProfileAnalysis& analysis) {
    std::cout << "distanceKm,groundM,clutterM,bulgeM,losM,f1M,clearanceM\n";
    for (const ProfileSample& s : analysis.samples) {
        std::cout << fixedDecimals(s.distanceKm, 3) << ',' << fixedDecimals(s.groundM, 1) << ','
                  << fixedDecimals(s.clutterM, 1) << ',' << fixedDecimals(s.bulgeM, 2) << ','
                  << fixedDecimals(s.lineOfSightM, 2) << ',' << fixedDecimals(s.f1M, 2) << ','
                  << fixedDecimals(s.clearanceM, 2) << '\n';
    }
}

void printEnds(const PathEnds& ends) {
    for (std::size_t i = 0; i < ends.ends.size(); ++i) {
        const PathEnd& end = ends.ends[i];
        std::cout << "Station " << i + 1 << ": ";
        if (end.azimuthDeg) {
            std::cout << "azimuth " << fixedDecimals(*end.azimuthDeg, 2) << " deg, ";
        }
        std::cout << "elevation " << fixedDecimals(end.elevationDeg, 2) << " deg, distance "
                  << fixedDecimals(ends.distanceKm, 3) << " km\n";
    }
}

void printProfileText(const ProfileJob& job, const ProfileStudy& study, double frequencyGHz,
                      double k, const std::vector<ClearanceRule>& rules) {
    const ProfileAnalysis& analysis = study.analysis;
    const std::string& file = job.file;
    std::cout << file << ": " << fixedDecimals(analysis.pathKm, 3) << " km at "
              << fixedDecimals(frequencyGHz, 3)
              << " GHz, earth bulge for k = " << fixedDecimals(k, 3) << '\n'
              << "distance km  ground m  clutter m  bulge m    LOS m     F1 m  clearance m\n";
    for (const ProfileSample& s : analysis.samples) {
        std::cout << formatNumbers("%11.3f %9.1f %10.1f %8.2f %8.2f %8.2f %12.2f\n", s.distanceKm,
                                   s.groundM, s.clutterM, s.bulgeM, s.lineOfSightM, s.f1M,
                                   s.clearanceM);
    }
    if (analysis.worst) {
        std::cout << "Worst point: "
                  << fixedDecimals(analysis.samples[analysis.worst->index].distanceKm, 3)
                  << " km, clearance " << fixedDecimals(analysis.worst->clearanceF1, 2) << " F1\n";
    }
    for (std::size_t i = 0; i < rules.size(); ++i) {
        std::cout << "Rule " << fixedDecimals(rules[i].c, 2) << " F1 at k "
                  << fixedDecimals(rules[i].k, 3) << ": " << (study.rulesMet[i] ? "met" : "not met")
                  << '\n';
    }
    std::cout << "Lowest equal antenna heights: " << fixedDecimals(study.lowestEqual.antenna1M, 1)
              << " m\n";
    if (study.lowestWithFixedEnd) {
        const bool oneFixed = job.fixedEnd == 1;
        const auto& heights = *study.lowestWithFixedEnd;
        std::cout << "Lowest antenna " << (oneFixed ? 2 : 1) << " height with antenna "
                  << job.fixedEnd << " at "
                  << fixedDecimals(oneFixed ? heights.antenna1M : heights.antenna2M, 1)
                  << " m: " << fixedDecimals(oneFixed ? heights.antenna2M : heights.antenna1M, 1)
                  << " m\n";
    }
    if (study.diversity) {
        const DiversityStudy& diversity = *study.diversity;
        std::cout << "Diversity antenna rule " << fixedDecimals(diversity.rule.c, 2) << " F1 at k "
                  << fixedDecimals(diversity.rule.k, 3) << ": "
                  << (diversity.ruleMet ? "met" : "not met") << " at "
                  << fixedDecimals(diversity.antennaM, 1) << " m; lowest "
                  << fixedDecimals(diversity.lowestM, 1) << " m\n";
    }
}

// Studies the profile as the Profile window does and prints it as the job asks.
void printProfile(const ProfileJob& job, const HopRecord& record, const HopSites& sites,
                  const TerrainProfile& profile, double k,
                  const std::vector<ClearanceRule>& rules) {
    const StudiedHop hop = studiedHop(record);
    // The option's check takes only the table's names.
    const ProfileStudy study =
        studyProfile(profile, hop, k, rules, fixedEndOf(job.fixedEnd),
                     diversityClearanceRule(clearanceRuleSetNamed(job.ruleSet)->set));
    const PathEnds ends = pathEnds(sites.stations, record.hopLengthKm,
                                   {hop.stations.station1M + hop.antennas.antenna1M,
                                    hop.stations.station2M + hop.antennas.antenna2M});
    bool csvOut = false;
    for (const auto& entry : job.csv) {
        csvOut = csvOut || entry.empty();
    }
    if (job.json) {
        printJson(study, record.frequencyGHz, rules, ends);
    } else if (csvOut) {
        printProfileCsv(study.analysis);
    } else {
        printProfileText(job, study, record.frequencyGHz, k, rules);
        printEnds(ends);
    }
}

// Whether --save may keep `profile`: a profile that does not end at station 2 of the hop would
// be refused when used; said before anything is printed.
bool profileMayBeSaved(const std::string& file, const TerrainProfile& profile, double hopLengthKm) {
    if (const auto fault = profileEndFault(profile, hopLengthKm)) {
        reportError(file + ": " + *fault +
                    "; the profile is not saved (correct the hop length or the sites)");
        return false;
    }
    return true;
}

int runProfile(const ProfileJob& job) {
    const auto hop = readStoredHop(job.file);
    if (!hop) {
        return kExitUnusable;
    }
    const HopRecord& record = hop->record;
    if (!(record.frequencyGHz > 0.0)) {
        reportError(job.file + ": the hop has no frequency; the Fresnel zone needs one");
        return kExitRefused;
    }
    auto sites = readHopSites(job.file);
    if (!sites) {
        return kExitUnusable;
    }
    const auto source = profileFor(job, record, *sites);
    if (!source) {
        return kExitUnusable;
    }
    const double pathKm = source->profile.back().distanceKm;
    const auto k = parseEarthRadiusFactor(job.k, pathKm);
    if (!k) {
        reportError("--k " + job.k + ": expected " + kInWords());
        return kExitUnusable;
    }
    const auto rules = rulesFor(job, pathKm);
    const bool save = job.save && source->fresh;
    if (!rules || (save && !profileMayBeSaved(job.file, source->profile, record.hopLengthKm))) {
        return kExitUnusable;
    }
    if (const auto note = stationHeightsNote(record, *sites)) {
        reportError(job.file + ": " + *note);
    }
    printProfile(job, record, *sites, source->profile, *k, *rules);
    if (save) {
        sites->profile = source->profile;
        if (!writeHopSites(job.file, *sites)) {
            return kExitUnusable;
        }
    }
    return kExitOk;
}

std::vector<std::string> ruleSetNames() {
    std::vector<std::string> names;
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        names.emplace_back(entry.name);
    }
    return names;
}

// "Rules when no --rule: temperate-extended (1.0@4/3, 0.3@ke; default), ..."
std::string ruleSetHelp() {
    std::string help = "Rules when no --rule: ";
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        const bool first = entry.set == kClearanceRuleSets.front().set;
        help += (first ? "" : ", ") + std::string(entry.name) +
                formatNumbers(" (1.0@4/3, %.1f@ke", entry.keFraction) +
                (first ? "; default)" : ")");
    }
    return help;
}

} // namespace

void addProfileCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<ProfileJob>();
    CLI::App* command = app.add_subcommand(
        "profile", "The path profile of a hop: earth bulge, line of sight, Fresnel zone, "
                   "clearance, rules and the lowest equal antenna heights");
    command->add_option("HOPFILE", job->file, "Hop file")->required();
    addDemOptions(*command, job->dem, context,
                  "Elevation model (SRTM .hgt, GeoTIFF, virtual raster, any GDAL raster, or a "
                  "folder of them); repeat for tiles");
    command
        ->add_option("--csv", job->csv,
                     "--csv PROFILE.csv imports a profile (distance km, ground m[, clutter m]); "
                     "--csv alone prints the points as CSV")
        ->expected(0, 1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command->add_option("--k", job->k, "Effective earth radius factor of the bulge (default 4/3)");
    command
        ->add_option("--step", job->stepM,
                     "Sampling step along the path, m (default: the model's cell size; at least "
                     "a tenth of it, and at most 100000 points)")
        ->check(CLI::PositiveNumber);
    command->add_option("--rule", job->rules,
                        "Clearance rule c@k: c x F1 clear at k (a number, 4/3, or ke for the k "
                        "exceeded 99.9 % of the time); repeat for several");
    command->add_option("--rule-set", job->ruleSet, ruleSetHelp())
        ->check(CLI::IsMember(ruleSetNames()));
    command
        ->add_option("--fixed-end", job->fixedEnd,
                     "Keep antenna 1 or 2 at the hop's height and find the lowest other one")
        ->check(CLI::IsMember({1, 2}));
    command->add_flag("--json", job->json, "Print one JSON object");
    command->add_flag("--save", job->save,
                      "Keep the profile from --dem or --csv in the hop's sites file");
    command->callback([&action, job] { action = [job] { return runProfile(*job); }; });
}

} // namespace korvel::cli
