#pragma once
// Hops shared by the engine tests and the engine benchmark.

#include "engine/fading.h"
#include "engine/hop_record.h"

namespace korvel::testing {

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

} // namespace korvel::testing
