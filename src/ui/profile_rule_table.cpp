#include "ui/profile_rule_table.h"

#include <limits>
#include <optional>
#include <string>

#include "fields/format_fixed.h"
#include "geo/path_geometry.h"

namespace korvel {

namespace {

struct RuleWorst {
    double clearanceF1 = std::numeric_limits<double>::infinity();
    double distanceKm = 0.0;
};

// The least clearance, as a multiple of F1, under the line between the tips for the rule's k.
std::optional<RuleWorst> worstFor(const ProfileAnalysis& analysis, double tip1M, double tip2M,
                                  double k) {
    std::optional<RuleWorst> worst;
    const std::size_t count = analysis.samples.size();
    for (std::size_t i = 1; i + 1 < count; ++i) {
        const ProfileSample& sample = analysis.samples[i];
        if (!(sample.f1M > 0.0)) {
            continue;
        }
        const double d1 = sample.distanceKm;
        const double line = lineOfSightM(tip1M, tip2M, d1, analysis.pathKm);
        const double clear = clearanceM(line, sample.groundM, sample.clutterM,
                                        earthBulgeM(d1, analysis.pathKm - d1, k));
        if (!worst || clear / sample.f1M < worst->clearanceF1) {
            worst = RuleWorst{clear / sample.f1M, d1};
        }
    }
    return worst;
}

ProfileRuleRow rowOf(std::string name, const ClearanceRule& rule,
                     const std::optional<RuleWorst>& worst, bool met) {
    const std::string achieved = worst ? formatFixed(worst->clearanceF1, 2) + " F1 at " +
                                             formatFixed(worst->distanceKm, 3) + " km"
                                       : "-";
    return {std::move(name) + ": " + formatFixed(rule.c, 2) +
                " F1 at k = " + formatFixed(rule.k, 3),
            formatFixed(rule.c, 2) + " F1", achieved, met};
}

} // namespace

std::vector<ProfileRuleRow> profileRuleRows(const ProfileStudy& study, const StudiedHop& hop,
                                            const std::vector<ClearanceRule>& rules) {
    const double tip1M = hop.stations.station1M + hop.antennas.antenna1M;
    const double tip2M = hop.stations.station2M + hop.antennas.antenna2M;
    std::vector<ProfileRuleRow> rows;
    for (std::size_t i = 0; i < rules.size() && i < study.rulesMet.size(); ++i) {
        rows.push_back(rowOf("Rule " + std::to_string(i + 1), rules[i],
                             worstFor(study.analysis, tip1M, tip2M, rules[i].k),
                             study.rulesMet[i]));
    }
    if (study.diversity) {
        const DiversityStudy& diversity = *study.diversity;
        rows.push_back(
            rowOf("Diversity antenna", diversity.rule,
                  worstFor(study.analysis, tip1M, hop.stations.station2M + diversity.antennaM,
                           diversity.rule.k),
                  diversity.ruleMet));
    }
    return rows;
}

} // namespace korvel
