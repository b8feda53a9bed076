#pragma once
// Hops and routes for the report tests, built field by field with fixed result values so that the
// reports never depend on the calculation; the golden file comparison and the page recorder.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/hop_record.h"
#include "itu/method_result.h"
#include "library/equipment_library.h"
#include "report/report_text.h"
#include "route/route_record.h"
#include "support/recording_print_device.h"
#include "support/sample_hops.h"
#include "support/temp_folder.h"

namespace korvel::report_test {

inline constexpr std::string_view kDateStamp = "25.12.1997";
inline constexpr std::string_view kLibraryId = "970315 KV-EU";
inline constexpr ReportLanguage kLanguages[] = {ReportLanguage::English, ReportLanguage::French};
// An odd line height shows where 1.5 line heights are truncated.
inline constexpr int kLineHeight = 13;
inline constexpr int kCharWidth = 7;

inline std::filesystem::path goldenPath(std::string_view name) {
    return std::filesystem::path(KORVEL_SOURCE_DIR) / "tests" / "golden" / name;
}

// With KORVEL_UPDATE_GOLDEN=1 the file is written instead; review every changed line.
inline void expectGolden(std::string_view name, const std::string& actual) {
    const std::filesystem::path file = goldenPath(name);
    if (const char* update = std::getenv("KORVEL_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(file)) << "missing golden file " << file;
    EXPECT_EQ(test::readFileText(file), actual) << name;
}

inline std::string dump(const RecordingPrintDevice& device) {
    std::string text;
    for (const TextRun& run : device.runs()) {
        text += formatted("%5d %5d |%s|\n", run.x, run.y, run.text.c_str());
    }
    return text;
}

// The y of the first run whose text starts with prefix.
inline std::optional<int> yOf(const RecordingPrintDevice& device, std::string_view prefix) {
    for (const TextRun& run : device.runs()) {
        if (run.text.starts_with(prefix)) {
            return run.y;
        }
    }
    return std::nullopt;
}

inline bool contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

// Two feeder tables whose type names cover short names and one of 14 characters (the text file
// and the page cut names to 12).
inline EquipmentLibrary reportLibrary() {
    EquipmentLibrary library;
    library.feederTables.resize(2);
    const char* names[2][4] = {{"NONE", "COAX 1/2F", "COAX 7/8F", "ELLIPTIC WG 77"},
                               {"WG77", "ELLIPTIC WG 77", "RIGID WG127", nullptr}};
    for (std::size_t t = 0; t < 2; ++t) {
        for (std::size_t i = 0; i < 4 && names[t][i] != nullptr; ++i) {
            library.feederTables[t].typeName[i].assign(names[t][i]);
        }
    }
    library.feederTypeCount = {4, 3};
    library.frequencyCount = {8, 0};
    library.identification.assign(kLibraryId);
    return library;
}

// A calculated 7.5 GHz hop without diversity; the variants below change what they name.
inline HopState calculatedHop() {
    HopState hop = test::hopAfterNew();
    HopRecord& r = hop.record;
    r.info.assign("Northern backbone, section 3");
    r.radioName.assign("MW 7.5-34");
    r.modeText.assign("NODIV / SINGLE");
    r.station1Name.assign("Jyv\xE4skyl\xE4");
    r.station2Name.assign("Pet\xE4j\xE4vesi");
    r.berExponent = -3;
    std::tie(r.frequencyGHz, r.bitRateMbps, r.ptxDbm, r.prxthDbm, r.branchingLossDb, r.hopLengthKm,
             r.longitudeDeg, r.latitudeDeg) =
        std::tuple{7.5, 34.368, 27.0, -80.5, 2.5, 42.7, 25.0, 62.0};
    std::tie(r.station1HeightM, r.station2HeightM) = std::pair{142.0, 118.5};
    std::tie(r.antenna1DiameterM, r.antenna2DiameterM) = std::pair{1.8, 2.4};
    std::tie(r.antenna1GainDbi, r.antenna2GainDbi) = std::pair{40.6, 43.1};
    std::tie(r.antenna1HeightM, r.antenna2HeightM) = std::pair{45.0, 60.0};
    std::tie(r.feeder1LengthM, r.feeder2LengthM) = std::pair{55.0, 70.0};
    std::tie(r.feeder1LossDbPer100m, r.feeder2LossDbPer100m) = std::pair{4.9, 4.9};
    HopResults& x = hop.results;
    std::tie(x.cLon, x.K, x.Lc1, x.Lc2, x.Lo, x.Lho, x.Prx, x.M, x.pfm, x.p) =
        std::tuple{3.0, 1.5e-6, 3.2, 3.9, 142.6, 68.5, -41.5, 39.0, 0.00123, 0.00123};
    hop.selection.feederTable = 1;
    hop.selection.feederIndex = {1, 1};
    return hop;
}

// Space diversity, 1+1, selective fading "No" (the default), method 1, rain with horizontal
// polarization, southern and western hemisphere, long station names and a feeder name cut in the
// text file.
inline HopState hopSpaceDiversity() {
    HopState hop = calculatedHop();
    HopRecord& r = hop.record;
    std::tie(r.method, r.diversityMode, r.usageMode, r.northSouth, r.eastWest, r.polarization) =
        std::tuple{Method::Method1,   DiversityMode::Space, UsageMode::OnePlusOne,
                   NorthSouth::South, EastWest::West,       Polarization::Horizontal};
    r.modeText.assign("SPACE / 1+1");
    r.station1Name.assign("Montevideo Cerro Alto");
    r.station2Name.assign("Punta del Este Norte");
    std::tie(r.latitudeDeg, r.longitudeDeg, r.diversityDiameterM, r.diversityGainDbi,
             r.antennaSpacingM, r.rainRateMmH, r.addTerrainLossDb) =
        std::tuple{34.0, 58.0, 1.8, 40.6, 12.5, 42.0, 1.5};
    HopResults& x = hop.results;
    std::tie(x.K, x.pfm, x.p, x.Ifm, x.pfmd, x.pd, x.rainWorstMonthPct, x.rainAnnualPct) =
        std::tuple{2.345e-5, 0.02468, 0.02468, 85.3, 0.00029, 0.00029, 0.0004, 0.00123};
    hop.selection.feederIndex = {1, 2};
    return hop;
}

// Frequency diversity, HSB, standard selective fading, rain, a negative threshold degradation.
inline HopState hopFrequencyDiversity() {
    HopState hop = calculatedHop();
    HopRecord& r = hop.record;
    std::tie(r.diversityMode, r.usageMode, r.selectiveFading) =
        std::tuple{DiversityMode::Freq, UsageMode::Hsb, SelectiveFading::Standard};
    r.modeText.assign("FREQ / HSB");
    r.berExponent = -6;
    std::tie(r.msmRefDb, r.thresholdDegradationDb, r.prxthDbm, r.frequencyDifferenceGHz,
             r.rainRateMmH) = std::tuple{52.0, -1.5, -78.0, 0.028, 22.0};
    HopResults& x = hop.results;
    std::tie(x.M, x.Msm, x.pfm, x.psm, x.p, x.Ifm, x.Ism, x.pfmd, x.psmd, x.pd, x.rainWorstMonthPct,
             x.rainAnnualPct) = std::tuple{35.0, 52.1,    0.00412, 0.00015, 0.00427, 12.4,
                                           7.9,  0.00033, 0.00002, 0.00035, 0.0011,  0.00087};
    return hop;
}

// A feeder loss typed by hand at station 2, user-typed selective margin, no diversity, no rain.
inline HopState hopTypedFeederLoss() {
    HopState hop = calculatedHop();
    hop.record.selectiveFading = SelectiveFading::User;
    hop.record.feeder2LossDbPer100m = 6.3;
    hop.selection.userFeederLoss = {0, 1};
    std::tie(hop.results.Msm, hop.results.psm, hop.results.p) = std::tuple{47.0, 0.00031, 0.00154};
    return hop;
}

// Hop i runs from stations[i] to stations[i + 1]; each hop has its length (km), outage and rain
// unavailability (%, -1: not computed).
inline RouteState makeRoute(std::string_view fileName, std::string_view info, double objective,
                            std::vector<std::string_view> stations,
                            std::vector<std::array<double, 3>> hops) {
    RouteState route;
    route.record.fileName.assign(fileName);
    route.record.info.assign(info);
    route.record.objective = objective;
    route.record.hopRain.fill(-1.0);
    for (std::size_t i = 0; i < hops.size(); ++i) {
        RouteHopSlot& slot = route.slots[i];
        slot.station1.assign(stations[i]);
        slot.station2.assign(stations[i + 1]);
        std::tie(slot.lengthKm, slot.outage, slot.rainUnavail) = std::tuple_cat(hops[i]);
        route.record.hopOutage[i] = slot.outage;
        route.record.hopRain[i] = slot.rainUnavail;
        route.record.totalOutage += slot.outage;
    }
    route.record.hopCount = static_cast<std::int16_t>(hops.size());
    return route;
}

// One hop without rain values; the route meets its objective.
inline RouteState routeOneHop() {
    return makeRoute("COAST.ROU", "Coastal spur", 0.005, {"Hanko", "Tammisaari"},
                     {{28.4, 0.0012, -1.0}});
}

// Two hops, one with a rain value and one without.
inline RouteState routeTwoHopsOneRain() {
    return makeRoute("PAIR.ROU", "Two hops", 0.005, {"Oulu", "Kempele", "Liminka"},
                     {{18.2, 0.0012, 0.0021}, {21.0, 0.0020, -1.0}});
}

// Twenty hops with rain values of every kind (positive, zero, not computed), names longer than
// 12 characters, and a total over the objective.
inline RouteState routeTwentyHops() {
    return makeRoute("TRUNK-NORTH.ROU", "Trunk north, all hops", 0.02,
                     // clang-format off
                     {"Helsinki Pasila", "Vantaa", "Kerava", "J\xE4rvenp\xE4\xE4",
                      "M\xE4nts\xE4l\xE4", "Lahti Radiom\xE4ki", "Heinola", "Hartola", "Joutsa",
                      "Jyv\xE4skyl\xE4 Laajavuori", "Uurainen", "Saarij\xE4rvi", "Karstula",
                      "Kivij\xE4rvi", "Kinnula", "Reisj\xE4rvi", "Haapaj\xE4rvi", "Nivala",
                      "Ylivieska", "Oulainen", "Raahe Pattijoki"},
                     // clang-format on
                     {{17.3, 0.0011, 0.0004}, {14.0, 0.0008, 0.0},    {12.6, 0.0007, -1.0},
                      {21.9, 0.0010, 0.0003}, {38.5, 0.0016, 0.0012}, {31.2, 0.0013, -1.0},
                      {44.8, 0.0018, 0.0},    {35.1, 0.0014, 0.0002}, {52.7, 0.0021, 0.0015},
                      {29.0, 0.0012, -1.0},   {33.3, 0.0013, 0.0},    {27.6, 0.0011, 0.0001},
                      {24.4, 0.0010, -1.0},   {30.9, 0.0012, 0.0006}, {46.2, 0.0019, 0.0},
                      {26.5, 0.0011, -1.0},   {22.8, 0.0009, 0.0002}, {27.1, 0.0011, 0.0},
                      {29.8, 0.0012, 0.0009}, {35.7, 0.0014, -1.0}});
}

// Method columns of fixed figures for the section of the current methods: the classic column,
// a P.530-17 column with its notes, and a P.530-18 column that lacks two values; the notes carry
// symbols Windows-1252 lacks (≥, Δ, ε, −) and some it holds (–, §).
inline std::array<itu::MethodResult, 3> reportMethodColumns() {
    using namespace itu;
    std::array<MethodResult, 3> c;
    const InputValue r001{95.0, "mm/h", "R001 map, P.837-7 (R001.TXT)"};
    c[0].available = true;
    std::tie(c[0].pathLossDb, c[0].fadeMarginDb, c[0].K, c[0].p0Pct, c[0].worstMonthPct) =
        std::tuple{142.6, 39.0, 2.345e-5, 195.9, 0.02468};
    c[0].rain = RainFigures{95.0, {}, {}, {}, {}, {}, {}, 0.00123, RainBound::None};
    c[0].diversity = DiversityFigures{85.3, 0.00029};
    std::tie(c[0].totalWorstMonthPct, c[0].objectiveMet) = std::tuple{0.00029, true};

    c[1].method = MethodId::P530v17;
    c[1].available = true;
    c[1].inputs.dN1 = InputValue{-400.0, "N/km", "typed"};
    c[1].inputs.sa = InputValue{20.0, "m", "typed"};
    c[1].inputs.R001 = r001;
    std::tie(c[1].pathLossDb, c[1].fadeMarginDb, c[1].K, c[1].p0Pct, c[1].worstMonthPct,
             c[1].worstMonthAllPct, c[1].deltaGDb, c[1].averageYearPct) =
        std::tuple{142.51, 39.09, 1.0e-4, 25.5, 0.0135, 0.0134, 10.8, 0.00176};
    c[1].rain =
        RainFigures{95.0, 0.00454, 1.19, 0.394, 0.81, 34.6, 13.6, {}, RainBound::BelowLowest};
    c[1].gas = GasFigures{0.0071, 0.0016, 0.37};
    c[1].diversity = DiversityFigures{27.1, 0.0005};
    std::tie(c[1].totalWorstMonthPct, c[1].objectiveMet) = std::tuple{0.00079, false};
    for (const char* note : {"ΔG capped at 10.8 dB", "outside the fitted data: |ε_p| above 37 mrad",
                             "outside the fitted data: dN1 not within −860 to −150 N/km",
                             "frequency diversity outside its fitted data (30–70 km, 2–11 GHz, "
                             "Δf/f ≤ 5 %)",
                             "sum, no §2.4.6 correlation"})
        c[1].notes.add(note);

    c[2].method = MethodId::P530v18;
    c[2].missing.add("logK");
    c[2].missing.add("dN75");
    c[2].inputs.htM = InputValue{118.2, "m", "profile"};
    c[2].inputs.hcM = InputValue{-3.5, "m", "antenna altitudes and htM"};
    c[2].inputs.R001 = r001;
    std::tie(c[2].pathLossDb, c[2].fadeMarginDb) = std::pair{142.51, 39.09};
    c[2].rain =
        RainFigures{95.0, 0.00454, 1.19, 1.05, 0.81, 34.6, 36.3, {}, RainBound::AboveHighest};
    c[2].gas = GasFigures{0.0071, 0.0016, 0.37};
    c[2].notes.add("p_t ≥ 100 %: outside the method");
    c[2].notes.add("frequency diversity outside its fitted data (30–70 km, 2–11 GHz, Δf/f ≤ 5 %)");
    return c;
}

inline std::vector<const itu::MethodResult*>
columnsOf(const std::array<itu::MethodResult, 3>& all) {
    return {&all[0], &all[1], &all[2]};
}

} // namespace korvel::report_test
