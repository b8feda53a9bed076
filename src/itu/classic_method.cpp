// The classic column: the figures the classic engine already holds, under the current keys.

#include <cmath>

#include "engine/hop_verdict.h"
#include "engine/link_budget.h"
#include "itu/hop_methods.h"

namespace korvel::itu {

MethodResult classicMethod(const HopState& hop) {
    MethodResult result;
    result.method = MethodId::Classic;
    const HopRecord& r = hop.record;
    const HopResults& res = hop.results;
    if (!hasResults(res) || !(res.M > 0)) {
        result.notes.add("no classic results: calculate the hop first");
        return result;
    }
    result.available = true;
    result.pathLossDb = res.Lo;
    result.fadeMarginDb = res.M;
    result.K = res.K;
    result.p0Pct = res.pfm * std::pow(10.0, res.M / 10.0);
    result.worstMonthPct = res.pfm;
    if (r.frequencyGHz >= 10.0) {
        const double oxygen = oxygenAttenuation(r.frequencyGHz);
        const double water = waterVapourAttenuation(r.frequencyGHz, hop.waterVapourDensity);
        result.gas = GasFigures{oxygen, water, (oxygen + water) * r.hopLengthKm};
    }
    if (res.rainWorstMonthPct >= 0) {
        RainFigures rain;
        rain.R001MmH = r.rainRateMmH;
        rain.outagePct = res.rainAnnualPct;
        result.rain = rain;
    }
    const bool withDiversity = r.diversityMode != DiversityMode::No;
    if (withDiversity)
        result.diversity = DiversityFigures{res.Ifm, res.pfmd};
    result.totalWorstMonthPct = countedOutagePct(hop);
    result.objectiveMet = meetsObjective(*result.totalWorstMonthPct, r.outageObjectivePct);
    return result;
}

} // namespace korvel::itu
