#pragma once
// One list of the hop's fields by name, visited for JSON output and input alike.

#include "engine/hop_record.h"

namespace korvel::cli {

template <typename Record, typename Visitor> void visitRecordFields(Record& r, Visitor&& v) {
    v("info", r.info);
    v("radioName", r.radioName);
    v("frequencyGHz", r.frequencyGHz);
    v("bitRateMbps", r.bitRateMbps);
    v("ptxDbm", r.ptxDbm);
    v("berExponent", r.berExponent);
    v("prxthDbm", r.prxthDbm);
    v("branchingLossDb", r.branchingLossDb);
    v("modeText", r.modeText);
    v("hopLengthKm", r.hopLengthKm);
    v("outageObjectivePct", r.outageObjectivePct);
    v("reserved1", r.reserved1);
    v("reserved2", r.reserved2);
    v("longitudeDeg", r.longitudeDeg);
    v("latitudeDeg", r.latitudeDeg);
    v("eastWest", r.eastWest);
    v("northSouth", r.northSouth);
    v("pLPct", r.pLPct);
    v("landType", r.landType);
    v("method", r.method);
    v("antennaType", r.antennaType);
    v("feederInsulation", r.feederInsulation);
    v("selectiveFading", r.selectiveFading);
    v("diversityMode", r.diversityMode);
    v("usageMode", r.usageMode);
    v("station1Name", r.station1Name);
    v("station2Name", r.station2Name);
    v("station1HeightM", r.station1HeightM);
    v("station2HeightM", r.station2HeightM);
    v("addTerrainLossDb", r.addTerrainLossDb);
    v("thresholdDegradationDb", r.thresholdDegradationDb);
    v("antenna1DiameterM", r.antenna1DiameterM);
    v("antenna2DiameterM", r.antenna2DiameterM);
    v("diversityDiameterM", r.diversityDiameterM);
    v("antenna1GainDbi", r.antenna1GainDbi);
    v("antenna2GainDbi", r.antenna2GainDbi);
    v("diversityGainDbi", r.diversityGainDbi);
    v("antennaSpacingM", r.antennaSpacingM);
    v("antenna1HeightM", r.antenna1HeightM);
    v("antenna2HeightM", r.antenna2HeightM);
    v("feeder1LengthM", r.feeder1LengthM);
    v("feeder2LengthM", r.feeder2LengthM);
    v("feeder1LossDbPer100m", r.feeder1LossDbPer100m);
    v("feeder2LossDbPer100m", r.feeder2LossDbPer100m);
    v("connector1LossDb", r.connector1LossDb);
    v("connector2LossDb", r.connector2LossDb);
    v("msmRefDb", r.msmRefDb);
    v("frequencyDifferenceGHz", r.frequencyDifferenceGHz);
    v("polarization", r.polarization);
    v("rainRateMmH", r.rainRateMmH);
}

template <typename Results, typename Visitor> void visitResultFields(Results& r, Visitor&& v) {
    v("cLat", r.cLat);
    v("cLon", r.cLon);
    v("K", r.K);
    v("Lc1", r.Lc1);
    v("Lc2", r.Lc2);
    v("Lo", r.Lo);
    v("Lho", r.Lho);
    v("Prx", r.Prx);
    v("M", r.M);
    v("Msm", r.Msm);
    v("pfm", r.pfm);
    v("psm", r.psm);
    v("pfmd", r.pfmd);
    v("psmd", r.psmd);
    v("p", r.p);
    v("pd", r.pd);
    v("Ifm", r.Ifm);
    v("Ism", r.Ism);
    v("rainWorstMonthPct", r.rainWorstMonthPct);
    v("rainAnnualPct", r.rainAnnualPct);
}

// The selection fields a hop file stores.
template <typename Selection, typename Visitor>
void visitStoredSelectionFields(Selection& s, Visitor&& v) {
    v("radioIndex", s.radioIndex);
    v("antennaIndex", s.antennaIndex);
    v("feederIndex", s.feederIndex);
    v("userDiameter", s.userDiameter);
    v("userGain", s.userGain);
    v("userFeederLoss", s.userFeederLoss);
    v("branchingLossSet", s.branchingLossSet);
    v("ptxChoice", s.ptxChoice);
    v("prxthChoice", s.prxthChoice);
    v("otherBerExponent", s.otherBerExponent);
    v("otherPtxText", s.otherPtxText);
    v("otherPrxthText", s.otherPrxthText);
}

} // namespace korvel::cli
