#pragma once
// The sample hops shared by the tests, the benchmarks and the fuzz targets, built in one place.

#include <bit>
#include <cstdint>

#include "engine/fading.h"
#include "engine/hop_record.h"
#include "engine/hop_reset.h"

namespace korvel::test {

// A 40 km, 7.5 GHz hop on land in Denmark, method 2 (the default), 40.4 dBi (1.8 m) antennas at
// both ends, elliptical waveguide, selective fading Standard against a 35 dB reference margin. No
// diversity.
inline HopState sample7500MHzHop() {
    HopState hop;
    HopRecord& r = hop.record;
    r.frequencyGHz = 7.5;
    r.ptxDbm = 30.0;
    r.prxthDbm = -75.0;
    r.branchingLossDb = 3.0;
    r.hopLengthKm = 40.0;
    r.longitudeDeg = 10.0;
    r.latitudeDeg = 56.0;
    r.pLPct = 10.0;
    r.selectiveFading = SelectiveFading::Standard;
    r.station1HeightM = 110.0;
    r.station2HeightM = 95.0;
    r.antenna1HeightM = 70.0;
    r.antenna2HeightM = 55.0;
    r.antenna1GainDbi = r.antenna2GainDbi = 40.4;
    r.diversityGainDbi = 36.9;
    r.antennaSpacingM = 10.0;
    r.feeder1LengthM = 40.0;
    r.feeder2LengthM = 50.0;
    r.feeder1LossDbPer100m = r.feeder2LossDbPer100m = 4.5;
    r.connector1LossDb = r.connector2LossDb = 0.5;
    r.msmRefDb = 35.0;
    r.frequencyDifferenceGHz = 0.3;
    hop.results.Msm = hopSelectiveMargin(r.msmRefDb, r.hopLengthKm);
    return hop;
}

// The engine's sample hop (7.5 GHz, 40 km, method 2, Parab solid, no diversity) without selective
// fading, against a -80 dBm threshold and an objective of 0.005 %; feeder table 0 row 0.
inline HopState makeTypicalHop() {
    HopState hop = sample7500MHzHop();
    hop.record.selectiveFading = SelectiveFading::No;
    hop.record.prxthDbm = -80.0;
    hop.record.outageObjectivePct = 0.005;
    hop.selection.feederRow = 0;
    return hop;
}

// The typical hop with a margin so large that every combination meets the objective.
inline HopState makeEasyHop() {
    HopState hop = makeTypicalHop();
    hop.record.ptxDbm = 60.0;
    hop.record.outageObjectivePct = 1.0;
    return hop;
}

// The hop state right after New: no rain calculation, no diversity, never saved.
inline HopState hopAfterNew() {
    HopState hop;
    resetHopRecord(hop.record);
    resetHopResults(hop.results);
    return hop;
}

// The sample hop made to fit the test library (support/test_library.h): radio 0, 1.8 m and
// 2.4 m Parab solid antennas, Foam insulation, single-frequency feeders of table 3. Every stored
// field is set, and bytes after text terminators and in the reserved fields are
// not zero, so that a save that drops or swaps anything shows.
inline HopState makeTestHop() {
    HopState hop = sample7500MHzHop();
    HopRecord& r = hop.record;
    r.info.assign("Hill A - Hill B");
    r.radioName.assign("MW 7.5-34");
    r.modeText.assign("NODIV / SINGLE");
    r.station1Name.assign("Hill A");
    r.station2Name.assign("Hill B");
    r.info.bytes[38] = 'z';
    r.radioName.bytes[19] = 'q';
    r.modeText.bytes[14] = '\x7f';
    r.station2Name.bytes[24] = '\xe9';
    r.bitRateMbps = 34.368;
    r.ptxDbm = 27.0;
    r.prxthDbm = -78.0;
    r.branchingLossDb = 1.0;
    r.outageObjectivePct = 0.005;
    r.reserved1 = 12.5;
    r.longitudeDeg = 24.0;
    r.latitudeDeg = 60.0;
    r.station1HeightM = 120.0;
    r.station2HeightM = 85.0;
    r.addTerrainLossDb = 0.5;
    r.thresholdDegradationDb = 1.5;
    r.antenna1DiameterM = 1.8;
    r.antenna2DiameterM = 2.4;
    r.antenna2GainDbi = 42.9;
    r.antenna1HeightM = 30.0;
    r.antenna2HeightM = 45.0;
    r.feeder1LengthM = 40.0;
    r.feeder2LengthM = 55.0;
    r.feeder1LossDbPer100m = 3.4;
    r.feeder2LossDbPer100m = 3.4;
    r.msmRefDb = 28.0;
    r.rainRateMmH = 30.0;
    r.reserved2 = std::bit_cast<double>(std::uint64_t{0x7ff8dead0000beefu}); // a NaN
    r.berExponent = -6;
    r.eastWest = EastWest::East;
    r.northSouth = NorthSouth::North;
    r.landType = LandType::MediumWater;
    r.method = Method::Method1;
    r.antennaType = AntennaType::ParabSolid;
    r.feederInsulation = FeederInsulation::Foam;
    r.diversityMode = DiversityMode::No;
    r.diversityGainDbi = r.frequencyDifferenceGHz = 0.0; // blank without diversity
    r.usageMode = UsageMode::Single;
    r.polarization = Polarization::Horizontal;

    hop.results = {0.7,    0.3,    2.5e-5, 1.86, 2.37,   142.04, 105.1, -78.1, 19.4,    30.1,
                   0.0021, 0.0004, 0.0,    0.0,  0.0025, 0.0,    0.0,   0.0,   0.00012, 0.0031};
    HopSelection& sel = hop.selection;
    sel.antennaIndex = {2, 3, 3};
    sel.userGain = {0, 1, 0};
    sel.branchingLossSet = 1;
    sel.ptxChoice = 1009;
    sel.prxthChoice = 1018;
    sel.otherBerExponent = -5;
    sel.otherPtxText.assign("25.5");
    sel.otherPrxthText.assign("-81");
    sel.otherPtxText.bytes[10] = '1';
    sel.otherPrxthText.bytes[19] = '2';
    return hop;
}

} // namespace korvel::test
