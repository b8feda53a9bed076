#pragma once
// Hops and routes for the report tests, built field by field with fixed result values so that the
// reports never depend on the calculation.

#include <string_view>

#include "engine/hop_record.h"
#include "engine/hop_reset.h"
#include "library/equipment_library.h"
#include "route/route_record.h"

namespace korvel::report_test {

inline constexpr std::string_view kDateStamp = "25.12.1997";

// Two feeder tables whose type names cover short names and one of 14 characters (the text file
// and the page cut names to 12).
inline EquipmentLibrary reportLibrary() {
    EquipmentLibrary library;
    FeederTable coax;
    coax.typeName[0].assign("NONE");
    coax.typeName[1].assign("LCF12-50J");
    coax.typeName[2].assign("LCF78-50J");
    coax.typeName[3].assign("ELLIPTIC EW-77");
    FeederTable waveguide;
    waveguide.typeName[0].assign("EW77");
    waveguide.typeName[1].assign("ELLIPTIC EW-77");
    waveguide.typeName[2].assign("EP127 RIGID");
    library.feederTables = {coax, waveguide};
    library.feederTypeCount = {4, 3};
    library.frequencyCount = {8, 0};
    library.identification.assign("970315 KV-EU");
    return library;
}

// The hop state right after New: no rain calculation, no diversity, never saved.
inline HopState hopAfterNew() {
    HopState hop;
    resetHopRecord(hop.record);
    resetHopResults(hop.results);
    return hop;
}

// A calculated 7.5 GHz hop without diversity; the variants below change what they name.
inline HopState calculatedHop() {
    HopState hop = hopAfterNew();
    HopRecord& r = hop.record;
    r.info.assign("Northern backbone, section 3");
    r.radioName.assign("MW 7.5-34");
    r.frequencyGHz = 7.5;
    r.bitRateMbps = 34.368;
    r.ptxDbm = 27.0;
    r.berExponent = -3;
    r.prxthDbm = -80.5;
    r.branchingLossDb = 2.5;
    r.modeText.assign("NODIV / SINGLE");
    r.hopLengthKm = 42.7;
    r.longitudeDeg = 25;
    r.latitudeDeg = 62;
    r.landType = LandType::Land;
    r.station1Name.assign("Jyv\xE4skyl\xE4");
    r.station2Name.assign("Pet\xE4j\xE4vesi");
    r.station1HeightM = 142.0;
    r.station2HeightM = 118.5;
    r.addTerrainLossDb = 0.0;
    r.antenna1DiameterM = 1.8;
    r.antenna2DiameterM = 2.4;
    r.antenna1GainDbi = 40.6;
    r.antenna2GainDbi = 43.1;
    r.antenna1HeightM = 45.0;
    r.antenna2HeightM = 60.0;
    r.feeder1LengthM = 55.0;
    r.feeder2LengthM = 70.0;
    r.feeder1LossDbPer100m = 4.9;
    r.feeder2LossDbPer100m = 4.9;
    HopResults& x = hop.results;
    x.cLat = 0;
    x.cLon = 3;
    x.K = 1.5e-6;
    x.Lc1 = 3.2;
    x.Lc2 = 3.9;
    x.Lo = 142.6;
    x.Lho = 68.5;
    x.Prx = -41.5;
    x.M = 39.0;
    x.Msm = 0;
    x.pfm = 0.00123;
    x.psm = 0;
    x.p = 0.00123;
    hop.selection.feederTable = 1;
    hop.selection.feederIndex = {1, 1};
    return hop;
}

// Space diversity, 1+1, selective fading "No", method 1, rain with horizontal polarization,
// southern and western hemisphere, long station names and a feeder name cut in the text file.
inline HopState hopSpaceDiversity() {
    HopState hop = calculatedHop();
    HopRecord& r = hop.record;
    r.method = Method::Method1;
    r.diversityMode = DiversityMode::Space;
    r.usageMode = UsageMode::OnePlusOne;
    r.modeText.assign("SPACE / 1+1");
    r.selectiveFading = SelectiveFading::No;
    r.northSouth = NorthSouth::South;
    r.eastWest = EastWest::West;
    r.latitudeDeg = 34;
    r.longitudeDeg = 58;
    r.station1Name.assign("Montevideo Cerro Alto");
    r.station2Name.assign("Punta del Este Norte");
    r.diversityDiameterM = 1.8;
    r.diversityGainDbi = 40.6;
    r.antennaSpacingM = 12.5;
    r.polarization = Polarization::Horizontal;
    r.rainRateMmH = 42.0;
    r.addTerrainLossDb = 1.5;
    HopResults& x = hop.results;
    x.K = 2.345e-5;
    x.pfm = 0.02468;
    x.p = 0.02468;
    x.Ifm = 85.3;
    x.Ism = 0;
    x.pfmd = 0.00029;
    x.psmd = 0;
    x.pd = 0.00029;
    x.rainWorstMonthPct = 0.0004;
    x.rainAnnualPct = 0.00123;
    hop.selection.feederIndex = {1, 2};
    return hop;
}

// Frequency diversity, HSB, standard selective fading, rain, a negative threshold degradation.
inline HopState hopFrequencyDiversity() {
    HopState hop = calculatedHop();
    HopRecord& r = hop.record;
    r.diversityMode = DiversityMode::Freq;
    r.usageMode = UsageMode::Hsb;
    r.modeText.assign("FREQ / HSB");
    r.selectiveFading = SelectiveFading::Standard;
    r.msmRefDb = 52.0;
    r.thresholdDegradationDb = -1.5;
    r.berExponent = -6;
    r.prxthDbm = -78.0;
    r.frequencyDifferenceGHz = 0.028;
    r.rainRateMmH = 22.0;
    HopResults& x = hop.results;
    x.M = 35.0;
    x.Msm = 52.1;
    x.pfm = 0.00412;
    x.psm = 0.00015;
    x.p = 0.00427;
    x.Ifm = 12.4;
    x.Ism = 7.9;
    x.pfmd = 0.00033;
    x.psmd = 0.00002;
    x.pd = 0.00035;
    x.rainWorstMonthPct = 0.0011;
    x.rainAnnualPct = 0.00087;
    return hop;
}

// A feeder loss typed by hand at station 2, user-typed selective margin, no diversity, no rain.
inline HopState hopTypedFeederLoss() {
    HopState hop = calculatedHop();
    HopRecord& r = hop.record;
    r.selectiveFading = SelectiveFading::User;
    r.feeder2LossDbPer100m = 6.3;
    hop.selection.userFeederLoss = {0, 1};
    HopResults& x = hop.results;
    x.Msm = 47.0;
    x.psm = 0.00031;
    x.p = 0.00154;
    return hop;
}

struct RouteHopValues {
    std::string_view station1;
    std::string_view station2;
    double lengthKm;
    double outagePct;
    double rainPct; // -1: not computed
};

inline RouteState makeRoute(std::string_view fileName, std::string_view info, double objective,
                            std::initializer_list<RouteHopValues> hops) {
    RouteState route;
    route.record.fileName.assign(fileName);
    route.record.info.assign(info);
    route.record.objective = objective;
    route.record.hopRain.fill(-1.0);
    std::size_t i = 0;
    for (const RouteHopValues& values : hops) {
        route.slots[i].station1.assign(values.station1);
        route.slots[i].station2.assign(values.station2);
        route.slots[i].lengthKm = values.lengthKm;
        route.slots[i].outage = values.outagePct;
        route.slots[i].rainUnavail = values.rainPct;
        route.record.hopOutage[i] = values.outagePct;
        route.record.hopRain[i] = values.rainPct;
        route.record.totalOutage += values.outagePct;
        ++i;
    }
    route.record.hopCount = static_cast<std::int16_t>(hops.size());
    return route;
}

// One hop without rain values; the route meets its objective.
inline RouteState routeOneHop() {
    return makeRoute("COAST.ROU", "Coastal spur", 0.005,
                     {{"Hanko", "Tammisaari", 28.4, 0.0012, -1.0}});
}

// Two hops, one with a rain value and one without.
inline RouteState routeTwoHopsOneRain() {
    return makeRoute(
        "PAIR.ROU", "Two hops", 0.005,
        {{"Oulu", "Kempele", 18.2, 0.0012, 0.0021}, {"Kempele", "Liminka", 21.0, 0.0020, -1.0}});
}

// Twenty hops with rain values of every kind (positive, zero, not computed), names longer than
// 12 characters, and a total over the objective.
inline RouteState routeTwentyHops() {
    return makeRoute("TRUNK-NORTH.ROU", "Trunk north, all hops", 0.02,
                     {{"Helsinki Pasila", "Vantaa", 17.3, 0.0011, 0.0004},
                      {"Vantaa", "Kerava", 14.0, 0.0008, 0.0},
                      {"Kerava", "J\xE4rvenp\xE4\xE4", 12.6, 0.0007, -1.0},
                      {"J\xE4rvenp\xE4\xE4", "M\xE4nts\xE4l\xE4", 21.9, 0.0010, 0.0003},
                      {"M\xE4nts\xE4l\xE4", "Lahti Radiom\xE4ki", 38.5, 0.0016, 0.0012},
                      {"Lahti Radiom\xE4ki", "Heinola", 31.2, 0.0013, -1.0},
                      {"Heinola", "Hartola", 44.8, 0.0018, 0.0},
                      {"Hartola", "Joutsa", 35.1, 0.0014, 0.0002},
                      {"Joutsa", "Jyv\xE4skyl\xE4 Laajavuori", 52.7, 0.0021, 0.0015},
                      {"Jyv\xE4skyl\xE4 Laajavuori", "Uurainen", 29.0, 0.0012, -1.0},
                      {"Uurainen", "Saarij\xE4rvi", 33.3, 0.0013, 0.0},
                      {"Saarij\xE4rvi", "Karstula", 27.6, 0.0011, 0.0001},
                      {"Karstula", "Kivij\xE4rvi", 24.4, 0.0010, -1.0},
                      {"Kivij\xE4rvi", "Kinnula", 30.9, 0.0012, 0.0006},
                      {"Kinnula", "Reisj\xE4rvi", 46.2, 0.0019, 0.0},
                      {"Reisj\xE4rvi", "Haapaj\xE4rvi", 26.5, 0.0011, -1.0},
                      {"Haapaj\xE4rvi", "Nivala", 22.8, 0.0009, 0.0002},
                      {"Nivala", "Ylivieska", 27.1, 0.0011, 0.0},
                      {"Ylivieska", "Oulainen", 29.8, 0.0012, 0.0009},
                      {"Oulainen", "Raahe Pattijoki", 35.7, 0.0014, -1.0}});
}

} // namespace korvel::report_test
