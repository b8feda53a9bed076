#include "itu/hop_methods.h"

#include <cmath>

#include "engine/hop_verdict.h"
#include "geo/geodesic.h"
#include "itu/diversity_improvement.h"
#include "itu/fade_distribution.h"
#include "itu/free_space.h"
#include "itu/gas_attenuation.h"
#include "itu/mean_terrain.h"
#include "itu/multipath_occurrence.h"

namespace korvel::itu {
namespace {

// What both current columns share: the budget with the new path loss, the rain and the terrain.
struct SharedFigures {
    HopGeometry geometry;
    GasFigures gas;
    std::optional<double> pathLossDb;
    std::optional<double> fadeMarginDb;
    std::optional<RainFigures> rain;
    std::string_view rainNote;
    double pathLatitudeDeg = 0;
    InputValue htM;
    InputValue hcM;
};

HopGeometry geometryOf(const HopRecord& r) {
    return {r.hopLengthKm, r.frequencyGHz, r.station1HeightM + r.antenna1HeightM,
            r.station2HeightM + r.antenna2HeightM};
}

double pathLatitudeDeg(const HopMethodsInput& in) {
    if (in.midpoint)
        return in.midpoint->latitudeDeg;
    if (const std::optional<GeoPoint> midpoint = pathMidpoint(in.sites))
        return midpoint->latitudeDeg;
    return in.hop->record.latitudeDeg;
}

RainFigures rainFigures(const HopRecord& r, const HopGeometry& g, double r001, double marginDb) {
    const double tilt =
        r.polarization == Polarization::Horizontal ? kHorizontalTiltDeg : kVerticalTiltDeg;
    const RainCoefficients c = rainCoefficients(
        g.frequencyGHz, pathElevationDeg(g.altitude1M, g.altitude2M, g.hopLengthKm), tilt);
    const RainAttenuation a = rainAttenuation(r001, c, g.hopLengthKm, g.frequencyGHz);
    const RainOutage outage = rainOutageForMargin(a, marginDb);
    return {
        r001,     c.k,        c.alpha,     a.gammaDbPerKm, a.distanceFactor, a.effectiveLengthKm,
        a.a001Db, outage.pct, outage.bound};
}

SharedFigures sharedFigures(const HopMethodsInput& in) {
    const HopRecord& r = in.hop->record;
    SharedFigures s;
    s.geometry = geometryOf(r);
    const double f = r.frequencyGHz;
    if (f >= kGasMinimumFrequencyGHz && f <= kGasMaximumFrequencyGHz) {
        const GasAttenuation gas = standardGasAttenuation(f);
        s.gas = {gas.oxygenDbPerKm, gas.waterVapourDbPerKm, gas.totalDbPerKm() * r.hopLengthKm};
        s.pathLossDb = freeSpaceLossDb(r.hopLengthKm, f) + s.gas.attenuationDb;
        s.fadeMarginDb = in.hop->results.M + in.hop->results.Lo - *s.pathLossDb;
    }
    if (in.climate.R001 && s.fadeMarginDb) {
        if (f > kRainMethodMaximumGHz) {
            s.rainNote = "rain: frequency above 100 GHz";
        } else {
            s.rain = rainFigures(r, s.geometry, in.climate.R001->value, *s.fadeMarginDb);
            if (r.hopLengthKm > kRainTestedLengthKm)
                s.rainNote = "rain: hop longer than the 60 km the method was tested on";
        }
    }
    s.pathLatitudeDeg = pathLatitudeDeg(in);
    const bool profiled = in.sites && !in.sites->profile.empty();
    const std::optional<double> htOverride =
        in.climate.htM ? std::optional<double>(in.climate.htM->value) : std::nullopt;
    s.htM = meanTerrainHeight(htOverride, profiled ? &in.sites->profile : nullptr,
                              r.station1HeightM, r.station2HeightM);
    s.hcM = {clearanceHeightM(s.geometry, s.htM.value), "m", "antenna altitudes and htM"};
    return s;
}

void fillBudget(MethodResult& m, const SharedFigures& s, const HopMethodsInput& in) {
    if (!s.pathLossDb) {
        m.notes.add("gas: frequency outside 1–1000 GHz");
        return;
    }
    m.gas = s.gas;
    m.pathLossDb = s.pathLossDb;
    m.fadeMarginDb = s.fadeMarginDb;
    m.inputs.R001 = in.climate.R001;
    m.rain = s.rain;
    m.notes.add(s.rainNote);
}

// The fade figures from p0 at the current fade margin, diversity, total and verdict.
void fillFading(MethodResult& m, double p0, const SharedFigures& s, const HopState& hop) {
    const HopRecord& r = hop.record;
    const double margin = *m.fadeMarginDb;
    m.p0Pct = p0;
    m.worstMonthPct = deepFadePct(p0, margin);
    const Figure all = allFadesWorstMonthPct(p0, margin);
    m.notes.add(all.limit);
    m.worstMonthAllPct = all.value;
    const DeltaG dg = deltaG(s.pathLatitudeDeg, r.hopLengthKm, s.geometry.inclinationMrad());
    if (dg.capped)
        m.notes.add("ΔG capped at 10.8 dB");
    m.deltaGDb = dg.db;
    const Figure year = allFadesAverageYearPct(p0, margin, dg.db);
    m.notes.add(year.limit);
    m.averageYearPct = year.value;
    std::optional<double> nonSelective = all.value;
    double selective = hop.results.psm;
    if (r.diversityMode != DiversityMode::No) {
        const double improvement =
            r.diversityMode == DiversityMode::Space
                ? spaceDiversityImprovement(
                      r.antennaSpacingM, r.frequencyGHz, r.hopLengthKm, p0, margin,
                      std::fabs(r.antenna2GainDbi - r.diversityGainDbi), m.notes)
                : frequencyDiversityImprovement(r.frequencyGHz, r.hopLengthKm,
                                                r.frequencyDifferenceGHz, margin, m.notes);
        if (nonSelective)
            *nonSelective /= improvement;
        m.diversity = DiversityFigures{improvement, nonSelective};
        selective = hop.results.psmd;
    }
    if (!nonSelective)
        return;
    m.notes.add("selective outage: classic method");
    m.totalWorstMonthPct =
        *nonSelective + (r.selectiveFading == SelectiveFading::No ? 0.0 : selective);
    m.objectiveMet = meetsObjective(*m.totalWorstMonthPct, r.outageObjectivePct);
}

MethodResult p530v17(const HopMethodsInput& in, const SharedFigures& s) {
    MethodResult m;
    m.method = MethodId::P530v17;
    m.inputs.dN1 = in.climate.dN1;
    m.inputs.sa = in.climate.sa;
    if (!in.climate.dN1)
        m.missing.add("dN1");
    if (!in.climate.R001)
        m.missing.add("R001");
    fillBudget(m, s, in);
    if (!in.climate.dN1 || !m.fadeMarginDb)
        return m;
    const std::optional<double> sa =
        in.climate.sa ? std::optional<double>(in.climate.sa->value) : std::nullopt;
    const MultipathOccurrence o = p530v17Occurrence(s.geometry, in.climate.dN1->value, sa, m.notes);
    m.K = o.K;
    m.notes.add(o.p0Pct.limit);
    if (o.p0Pct.value)
        fillFading(m, *o.p0Pct.value, s, *in.hop);
    return m;
}

MethodResult p530v18(const HopMethodsInput& in, const SharedFigures& s) {
    MethodResult m;
    m.method = MethodId::P530v18;
    m.inputs.logK = in.climate.logK;
    m.inputs.dN75 = in.climate.dN75;
    m.inputs.htM = s.htM;
    m.inputs.hcM = s.hcM;
    if (!in.climate.logK)
        m.missing.add("logK");
    if (!in.climate.dN75)
        m.missing.add("dN75");
    if (!in.climate.R001)
        m.missing.add("R001");
    fillBudget(m, s, in);
    if (!in.climate.logK || !in.climate.dN75 || !m.fadeMarginDb)
        return m;
    const MultipathOccurrence o = p530v18Occurrence(s.geometry, in.climate.logK->value,
                                                    in.climate.dN75->value, s.hcM.value, m.notes);
    m.K = o.K;
    m.notes.add(o.p0Pct.limit);
    if (o.p0Pct.value)
        fillFading(m, *o.p0Pct.value, s, *in.hop);
    return m;
}

} // namespace

std::optional<GeoPoint> pathMidpoint(const HopSites* sites) {
    if (!sites || !sites->stations[0] || !sites->stations[1])
        return std::nullopt;
    return geodesicMidpoint(geoPointOf(*sites->stations[0]), geoPointOf(*sites->stations[1]));
}

std::array<MethodResult, 3> hopMethods(const HopMethodsInput& input) {
    std::array<MethodResult, 3> columns;
    columns[0] = classicMethod(*input.hop);
    columns[1].method = MethodId::P530v17;
    columns[2].method = MethodId::P530v18;
    if (!columns[0].available) {
        for (std::size_t i = 1; i < 3; ++i)
            columns[i].notes = columns[0].notes;
        return columns;
    }
    const SharedFigures shared = sharedFigures(input);
    columns[1] = p530v17(input, shared);
    columns[2] = p530v18(input, shared);
    for (std::size_t i = 1; i < 3; ++i)
        columns[i].available = columns[i].missing.empty();
    return columns;
}

} // namespace korvel::itu
