#include "ui/profile_window.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "engine/hop_record.h"
#include "engine/number_text.h"
#include "fields/format_fixed.h"
#include "geo/hop_sites.h"
#include "geo/path_ends.h"
#include "geo/profile_checks.h"
#include "geo/profile_csv.h"
#include "geo/profile_study.h"
#include "geo/sites_file.h"
#include "platform/file_read.h"
#include "platform/text_encoding.h"
#include "ui/profile_chart.h"
#include "ui/profile_rule_table.h"

namespace korvel {

namespace {

std::string fourFigures(double value) {
    return formatNumbers("%.4g", value);
}

std::string lowestHeightsText(const AntennaHeights& found, std::optional<FixedStation> fixed) {
    if (!fixed) {
        return "Lowest equal antenna heights meeting both rules: " +
               formatFixed(found.antenna1M, 1) + " m.";
    }
    const bool oneFixed = *fixed == FixedStation::Station1;
    return std::string("With antenna ") + (oneFixed ? "1" : "2") + " at " +
           formatFixed(oneFixed ? found.antenna1M : found.antenna2M, 1) +
           " m, the lowest antenna " + (oneFixed ? "2" : "1") +
           " meeting both rules: " + formatFixed(oneFixed ? found.antenna2M : found.antenna1M, 1) +
           " m.";
}

ClearanceRuleSet setOf(const ProfileSettings& settings) {
    return kClearanceRuleSets
        .at(static_cast<std::size_t>(
            std::clamp(settings.ruleSet, 0, static_cast<int>(kClearanceRuleSets.size()) - 1)))
        .set;
}

std::string nameOr(std::string_view name, const char* fallback) {
    return name.empty() ? std::string(fallback) : std::string(name);
}

} // namespace

ProfileWindow::ProfileWindow(const HopState& hop, HopSites& sites, ProfileView& view,
                             Messages& messages, FileChooser& files, StorePage store,
                             TakeHeights take)
    : hop_(hop), sites_(sites), view_(view), messages_(messages), files_(files),
      store_(std::move(store)), take_(std::move(take)) {}

void ProfileWindow::open() {
    const bool wasOpen = view_.isOpen();
    std::vector<std::string> ruleSets;
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        ruleSets.emplace_back(entry.description);
    }
    view_.open(ruleSets,
               {"Both antennas equally high", "Antenna 1 kept at its height",
                "Antenna 2 kept at its height"},
               *this);
    // Brought up again, the window keeps what the planner set in it.
    if (wasOpen && !shown_.k.empty()) {
        view_.setSettings(shown_);
        draw(shown_);
        return;
    }
    ProfileSettings settings;
    settings.k = "4/3";
    onRuleSetChosen(settings);
    offerProfileForHopLength(settings);
}

void ProfileWindow::offerProfileForHopLength(const ProfileSettings& settings) {
    const std::optional<std::string> fault =
        sites_.profile.empty() ? std::nullopt
                               : profileEndFault(sites_.profile, hop_.record.hopLengthKm);
    if (fault && messages_.show("The stored profile is not this hop's: " + *fault +
                                    ".\nImport a profile for this hop from a CSV file?",
                                kAppCaption, MessageIcon::Question,
                                MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes) {
        onImportCsv(settings);
    }
}

void ProfileWindow::close() {
    view_.close();
}

std::string ProfileWindow::refusal() const {
    if (sites_.profile.empty()) {
        return "This hop has no terrain profile. Take one from the elevation models with From "
               "terrain, or import one from a CSV file (distance km, ground m, clutter m) with "
               "Import CSV...";
    }
    if (const auto fault = profileFault(sites_.profile)) {
        return "The hop's terrain profile cannot be drawn: point " +
               std::to_string(fault->index + 1) + ": " + fault->text + ".";
    }
    if (!(hop_.record.frequencyGHz > 0.0)) {
        return "The hop has no frequency: the Fresnel zone needs one. Choose the radio first.";
    }
    return {};
}

void ProfileWindow::onRuleSetChosen(const ProfileSettings& settings) {
    ProfileSettings filled = settings;
    const double pathKm =
        sites_.profile.empty() ? hop_.record.hopLengthKm : sites_.profile.back().distanceKm;
    const std::vector<ClearanceRule> rules = clearanceRules(setOf(settings), pathKm);
    filled.rule1C = fourFigures(rules[0].c);
    filled.rule1K = "4/3";
    filled.rule2C = fourFigures(rules[1].c);
    filled.rule2K = fourFigures(rules[1].k);
    view_.setSettings(filled);
    draw(filled);
}

void ProfileWindow::onRedraw(const ProfileSettings& settings) {
    draw(settings);
}

void ProfileWindow::refresh() {
    if (view_.isOpen()) {
        draw(shown_);
    }
}

std::optional<std::vector<ClearanceRule>> ProfileWindow::rulesOf(const ProfileSettings& settings,
                                                                 double pathKm) const {
    std::vector<ClearanceRule> rules;
    for (const auto& [c, k, name] : {std::tuple{&settings.rule1C, &settings.rule1K, "rule 1"},
                                     {&settings.rule2C, &settings.rule2K, "rule 2"}}) {
        const auto rule = parseClearanceRule(*c + "@" + *k, pathKm);
        if (!rule) {
            messages_.show(std::string("Invalid data : ") + name +
                               " (c a number >= 0, k a number > 0, a fraction such as 4/3, "
                               "or ke)",
                           "Error!", MessageIcon::Exclamation);
            return std::nullopt;
        }
        rules.push_back(*rule);
    }
    return rules;
}

void ProfileWindow::draw(const ProfileSettings& settings) {
    lowest_.reset();
    const HopRecord& record = hop_.record;
    const std::string why = refusal();
    // Without terrain, the hop is still seen over level ground from its length and heights.
    const bool level =
        sites_.profile.empty() && record.hopLengthKm > 0.0 && record.frequencyGHz > 0.0;
    if (!why.empty() && !level) {
        showChart(emptyProfileChart(why));
        view_.showHeights("", false);
        view_.showRules({});
        return;
    }
    const TerrainProfile profile =
        level ? levelGroundProfile(record.hopLengthKm,
                                   {record.station1HeightM, record.station2HeightM})
              : sites_.profile;
    const double pathKm = profile.back().distanceKm;
    const auto k = parseEarthRadiusFactor(settings.k, pathKm);
    if (!k) {
        messages_.show("Invalid data : k (a number > 0, a fraction such as 4/3, or ke)", "Error!",
                       MessageIcon::Exclamation);
        return;
    }
    const auto rules = rulesOf(settings, pathKm);
    if (!rules) {
        return;
    }
    shown_ = settings; // refresh draws these again, without a message
    drawStudy(profile, settings, *k, *rules, level ? why : std::string());
}

void ProfileWindow::showChart(ChartContent chart) {
    if (titleBlock) {
        chart.titleBlock = titleBlock(chart);
    }
    view_.showChart(chart);
}

void ProfileWindow::drawStudy(const TerrainProfile& profile, const ProfileSettings& settings,
                              double k, const std::vector<ClearanceRule>& rules,
                              const std::string& levelGround) {
    const HopRecord& record = hop_.record;
    // The modes list equal heights, then antenna 1 kept, then antenna 2 kept.
    const std::optional<FixedStation> fixed = fixedEndOf(settings.heightsMode);
    const StudiedHop studied = studiedHop(record);
    const ProfileStudy study =
        studyProfile(profile, studied, k, rules, fixed, diversityClearanceRule(setOf(settings)));
    ProfileChartInput input{nameOr(record.station1Name.view(), "Station 1"),
                            nameOr(record.station2Name.view(), "Station 2"),
                            k,
                            studied,
                            rules,
                            pathEnds(sites_.stations, record.hopLengthKm,
                                     {studied.stations.station1M + studied.antennas.antenna1M,
                                      studied.stations.station2M + studied.antennas.antenna2M})};
    ChartContent chart = profileChart(study, input);
    view_.showRules(profileRuleRows(study, studied, rules));
    if (!levelGround.empty()) {
        chart.verdict = "Drawn over level ground between the station heights. " + levelGround +
                        "\n" + chart.verdict;
        showChart(std::move(chart));
        view_.showHeights("", false);
        return;
    }
    showChart(std::move(chart));
    const AntennaHeights found = fixed ? *study.lowestWithFixedEnd : study.lowestEqual;
    const bool finite = std::isfinite(found.antenna1M) && std::isfinite(found.antenna2M);
    std::string text = !finite ? "No antenna heights meet both rules over this profile."
                               : lowestHeightsText(found, fixed);
    if (study.diversity && std::isfinite(study.diversity->lowestM)) {
        text += " Lowest diversity antenna meeting its rule: " +
                formatFixed(study.diversity->lowestM, 1) + " m.";
    }
    if (record.hopLengthKm > 0.0 && !profileReaches(profile, record.hopLengthKm)) {
        text += " The profile ends at " + formatFixed(profile.back().distanceKm, 3) +
                " km, the hop length is " + formatFixed(record.hopLengthKm, 1) +
                " km: check the sites.";
    }
    lowest_ = found;
    view_.showHeights(text, finite);
}

void ProfileWindow::onApply(const ProfileSettings& settings) {
    // The heights are found for the page as it stands, a height typed there included.
    if (!store_()) {
        return;
    }
    draw(settings);
    if (!lowest_) {
        return;
    }
    if (take_(lowest_->antenna1M, lowest_->antenna2M)) {
        draw(settings);
    }
}

void ProfileWindow::onImportCsv(const ProfileSettings& settings) {
    const auto chosen = files_.choose(FileDialogUse::ImportProfile);
    if (!chosen) {
        return;
    }
    const std::string name = utf8ToCp1252(chosen->bareName.string());
    const FileBytes bytes =
        readRegularFile(chosen->fullName, kSitesFileMaxBytes, BeyondLimit::Refuse);
    if (!bytes) {
        messages_.show(name + ": " + fileReadProblem(bytes.status), kAppCaption,
                       MessageIcon::Warning);
        return;
    }
    ProfileImport read = importProfileCsv(
        std::string_view(reinterpret_cast<const char*>(bytes.bytes.data()), bytes.bytes.size()),
        hop_.record.hopLengthKm);
    if (!read.error.empty()) {
        messages_.show(name + ": " + read.error, kAppCaption, MessageIcon::Warning);
        return;
    }
    takeProfile(std::move(read.profile), settings);
}

void ProfileWindow::takeProfile(TerrainProfile profile, const ProfileSettings& settings) {
    // Kept in the sites file when the hop is saved.
    sites_.profile = std::move(profile);
    if (sitesChanged) {
        sitesChanged();
    }
    onRuleSetChosen(settings);
}

} // namespace korvel
