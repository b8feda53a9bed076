#pragma once
// Hops shared by the engine tests.

#include "engine/fading.h"
#include "engine/hop_record.h"

namespace korvel::testing {

// A 40 km, 7.5 GHz hop on land in Denmark, method 2, 1.8 m antennas at both ends, elliptical
// waveguide, selective fading Standard against a 35 dB reference margin. No diversity.
inline HopState sample7500MHzHop() {
    HopState hop;
    HopRecord& r = hop.record;
    r.frequencyGHz = 7.5;
    r.bitRateMbps = 155.52;
    r.ptxDbm = 30.0;
    r.berExponent = -6;
    r.prxthDbm = -75.0;
    r.branchingLossDb = 3.0;
    r.hopLengthKm = 40.0;
    r.outageObjectivePct = 0.005;
    r.longitudeDeg = 10.0;
    r.latitudeDeg = 56.0;
    r.eastWest = EastWest::East;
    r.northSouth = NorthSouth::North;
    r.pLPct = 10.0;
    r.landType = LandType::Land;
    r.method = Method::Method2;
    r.selectiveFading = SelectiveFading::Standard;
    r.diversityMode = DiversityMode::No;
    r.usageMode = UsageMode::Single;
    r.station1HeightM = 110.0;
    r.station2HeightM = 95.0;
    r.antenna1HeightM = 70.0;
    r.antenna2HeightM = 55.0;
    r.antenna1DiameterM = 1.8;
    r.antenna2DiameterM = 1.8;
    r.diversityDiameterM = 1.2;
    r.antenna1GainDbi = 40.4;
    r.antenna2GainDbi = 40.4;
    r.diversityGainDbi = 36.9;
    r.antennaSpacingM = 10.0;
    r.feeder1LengthM = 40.0;
    r.feeder2LengthM = 50.0;
    r.feeder1LossDbPer100m = 4.5;
    r.feeder2LossDbPer100m = 4.5;
    r.connector1LossDb = 0.5;
    r.connector2LossDb = 0.5;
    r.msmRefDb = 35.0;
    r.frequencyDifferenceGHz = 0.3;
    hop.results.Msm = hopSelectiveMargin(r.msmRefDb, r.hopLengthKm);
    return hop;
}

inline HopState withDiversity(HopState hop, DiversityMode mode) {
    hop.record.diversityMode = mode;
    return hop;
}

// A 10 km hop at 1 GHz with lossless antennas and feeders: the free-space loss is exactly
// 112.5 dB and both feeders lose their 0.5 dB connector, so the margin is exactly
// 30 dBm - 113.5 dB - threshold. Method 1, no selective fading, no diversity.
inline HopState exactMarginHop(double prxthDbm) {
    HopState hop;
    HopRecord& r = hop.record;
    r.frequencyGHz = 1.0;
    r.hopLengthKm = 10.0;
    r.ptxDbm = 30.0;
    r.prxthDbm = prxthDbm;
    r.connector1LossDb = 0.5;
    r.connector2LossDb = 0.5;
    r.pLPct = 1.0;
    r.method = Method::Method1;
    r.selectiveFading = SelectiveFading::No;
    r.diversityMode = DiversityMode::No;
    r.station1HeightM = 100.0;
    r.station2HeightM = 100.0;
    r.antenna1HeightM = 30.0;
    r.antenna2HeightM = 30.0;
    r.antennaSpacingM = 10.0;
    return hop;
}

// Results filled with a value no calculation produces, to see which ones a calculation wrote.
inline constexpr double kUntouched = 777.0;
inline void markAllResults(HopResults& results) {
    results = HopResults{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched,
                         kUntouched, kUntouched, kUntouched, kUntouched, results.Msm,
                         kUntouched, kUntouched, kUntouched, kUntouched, kUntouched,
                         kUntouched, kUntouched, kUntouched, kUntouched, kUntouched};
}

} // namespace korvel::testing
