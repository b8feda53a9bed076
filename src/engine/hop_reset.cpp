#include "engine/hop_reset.h"

namespace korvel {

void resetHopRecord(HopRecord& record) {
    const double reserved1 = record.reserved1;
    const double reserved2 = record.reserved2;
    record = HopRecord{};
    record.reserved1 = reserved1;
    record.reserved2 = reserved2;
    record.modeText.assign(" - / -");
    record.outageObjectivePct = 0.005;
    record.pLPct = 1.0;
    record.antennaSpacingM = 10.0;
    record.connector1LossDb = 0.5;
    record.connector2LossDb = 0.5;
    record.polarization = Polarization::Vertical;
    record.rainRateMmH = 22.0;
}

void resetHopResults(HopResults& results) {
    const double cLat = results.cLat;
    const double cLon = results.cLon;
    const double K = results.K;
    results = HopResults{};
    results.cLat = cLat;
    results.cLon = cLon;
    results.K = K;
    results.rainWorstMonthPct = -1.0;
    results.rainAnnualPct = -1.0;
}

void resetAntennaSelection(HopSelection& selection, AntennaType antennaType) {
    const std::int16_t index = antennaType == AntennaType::ParabSolid ? 3 : 0;
    selection.antennaIndex = {index, index, index};
    selection.userDiameter = {};
    selection.userGain = {};
}

void resetFeederSelection(HopSelection& selection, FeederInsulation insulation) {
    std::int16_t index = 0;
    if (insulation == FeederInsulation::Foam || insulation == FeederInsulation::Air) {
        index = 1;
    } else if (insulation == FeederInsulation::Both) {
        index = 3;
    }
    selection.feederIndex = {index, index};
    selection.userFeederLoss = {};
}

void resetHopSelection(HopState& hop, FirstRadioDefaults firstRadio) {
    HopSelection& selection = hop.selection;
    selection.radioIndex = 0;
    selection.otherRadio = false;
    selection.ptxChoice = static_cast<std::int16_t>(kPtxChoiceFirst + firstRadio.defaultPtx);
    selection.prxthChoice = static_cast<std::int16_t>(kPrxthChoiceFirst + firstRadio.defaultPrxth);
    selection.otherPtxText.clear();
    selection.otherPrxthText.clear();
    selection.otherBerExponent = -3;
    resetAntennaSelection(selection, hop.record.antennaType);
    resetFeederSelection(selection, hop.record.feederInsulation);
    selection.branchingLossSet = 0;
    hop.waterVapourDensity = kDefaultWaterVapourDensity;
}

} // namespace korvel
