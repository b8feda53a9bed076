#pragma once
// One column of the methods table: the figures of one prediction method for one hop, each with
// its inputs and their sources. Fields are named as the tool's JSON keys. A figure without a
// number is outside its method (the reason is among the notes) or lacks an input (in `missing`).

#include <optional>
#include <string_view>

#include "itu/figure.h"
#include "itu/rain_attenuation.h"

namespace korvel::itu {

enum class MethodId { Classic, P530v17, P530v18 };

// "classic", "p530-17", "p530-18".
std::string_view methodName(MethodId method);
std::optional<MethodId> methodNamed(std::string_view name);

struct MethodInputs {
    std::optional<InputValue> dN1, sa, logK, dN75, htM, hcM, R001;
};

struct RainFigures {
    std::optional<double> R001MmH, k, alpha, gammaRDbKm, rFactor, effectiveLengthKm, A001Db;
    std::optional<double> outagePct; // annual %, none when only a bound is known
    RainBound outageBound = RainBound::None;
};

struct GasFigures {
    double gammaODbKm = 0;
    double gammaWDbKm = 0;
    double attenuationDb = 0;
};

struct DiversityFigures {
    double improvement = 0;
    std::optional<double> worstMonthPct; // non-selective outage with diversity
};

struct MethodResult {
    MethodId method = MethodId::Classic;
    bool available = false;
    MissingNames missing;
    MethodInputs inputs;
    std::optional<double> pathLossDb, fadeMarginDb, K;
    std::optional<double> p0Pct;            // multipath occurrence, deep tail at A = 0
    std::optional<double> worstMonthPct;    // deep tail at the fade margin
    std::optional<double> worstMonthAllPct; // all fade depths at the fade margin
    std::optional<double> deltaGDb;
    std::optional<double> averageYearPct;
    std::optional<RainFigures> rain;
    std::optional<GasFigures> gas;
    std::optional<DiversityFigures> diversity; // none for a hop without diversity
    std::optional<double> totalWorstMonthPct;
    std::optional<bool> objectiveMet;
    Notes notes;
};

} // namespace korvel::itu
