#include "engine/verdict_words.h"

#include <cmath>

#include "engine/number_text.h"
#include "engine/rain.h"

namespace korvel {

namespace {

constexpr double kWorstMonthSeconds = 30.0 * 24.0 * 3600.0;
constexpr double kYearMinutes = 365.25 * 24.0 * 60.0;
constexpr const char* kTimes = "\xD7"; // the multiplication sign in Windows-1252

// How many times the objective the outage is: "0.75", "5.1", "12".
std::string ratioWords(double ratio) {
    if (ratio >= 9.95) {
        return formatNumbers("%.0f", ratio);
    }
    if (ratio >= 0.995) {
        return formatNumbers("%.1f", ratio);
    }
    return ratio >= 0.1 ? formatNumbers("%.2f", ratio) : formatNumbers("%.2g", ratio);
}

std::string ratioNote(const OutageJudgement& j) {
    if (!(*j.objectivePct > 0.0)) {
        return {};
    }
    return std::string(" (") + kTimes + ratioWords(*j.outagePct / *j.objectivePct) + ")";
}

std::string metWords(const OutageJudgement& j) {
    const double below = *j.objectivePct - *j.outagePct;
    if (below <= 0.0) {
        return "meets, at the objective" + ratioNote(j);
    }
    return "meets, " + percentWords(below) + " % below the objective" + ratioNote(j);
}

std::string missedWords(const OutageJudgement& j) {
    std::string words =
        "misses by " + percentWords(*j.outagePct - *j.objectivePct) + " %" + ratioNote(j);
    if (j.marginNeededDb) {
        words += ", " + formatNumbers("%.1f", *j.marginNeededDb) + " dB more fade margin needed";
    } else if (j.marginUnreachable) {
        words += ", the selective outage alone is above the objective";
    }
    return words;
}

std::string withTime(OutageKind kind, double pct) {
    return percentWords(pct) + " % (" + timeWords(kind, pct) + ")";
}

} // namespace

std::string_view verdictWord(ObjectiveVerdict verdict) {
    switch (verdict) {
    case ObjectiveVerdict::Met:
        return "meets";
    case ObjectiveVerdict::Missed:
        return "misses";
    case ObjectiveVerdict::None:
        break;
    }
    return {};
}

std::string percentWords(double pct) {
    int decimals = 4;
    while (decimals < 8 && pct != 0.0 && std::fabs(pct) < std::pow(10.0, 1 - decimals) * 0.995) {
        ++decimals;
    }
    return fixedDecimals(pct, decimals);
}

std::string timeWords(OutageKind kind, double pct) {
    const bool month = kind == OutageKind::Multipath;
    const double time = pct / 100.0 * (month ? kWorstMonthSeconds : kYearMinutes);
    const char* unit = month ? " s" : " min";
    return (time < 9.95 ? formatNumbers("%.1f", time) : formatNumbers("%.0f", time)) + unit;
}

std::string judgementWords(const OutageJudgement& judgement) {
    if (!judgement.outagePct) {
        return "not calculated";
    }
    if (judgement.negligible) {
        return "negligible";
    }
    switch (judgement.verdict) {
    case ObjectiveVerdict::Met:
        return metWords(judgement);
    case ObjectiveVerdict::Missed:
        return missedWords(judgement);
    case ObjectiveVerdict::None:
        break;
    }
    return "not judged (no availability objective)";
}

std::string judgementLine(const OutageJudgement& judgement) {
    const bool multipath = judgement.kind == OutageKind::Multipath;
    std::string line = multipath ? "Multipath outage" : "Rain unavailability";
    if (judgement.outagePct && !judgement.negligible) {
        line += " " + percentWords(*judgement.outagePct) +
                (multipath ? " % of the worst month (" : " % of a year (") +
                timeWords(judgement.kind, *judgement.outagePct) + ")";
    }
    if (judgement.objectivePct) {
        line += ", objective " + withTime(judgement.kind, *judgement.objectivePct);
    }
    return line + ": " + judgementWords(judgement);
}

std::vector<std::string> hopJudgementLines(const HopState& hop,
                                           std::optional<double> availabilityObjectivePct) {
    std::vector<std::string> lines{judgementLine(multipathJudgement(hop))};
    if (hop.record.frequencyGHz >= kRainMinimumFrequencyGHz) {
        lines.push_back(judgementLine(rainJudgement(hop, availabilityObjectivePct)));
    }
    return lines;
}

} // namespace korvel
