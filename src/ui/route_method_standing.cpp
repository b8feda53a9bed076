#include "ui/route_method_standing.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/calculate_hop.h"
#include "engine/hop_verdict.h"
#include "fields/format_fixed.h"
#include "geo/sites_file.h"
#include "hopfile/hop_preparation.h"
#include "itu/climate/climate_inputs_at.h"
#include "itu/hop_methods.h"
#include "itu/route_fading.h"
#include "platform/silent_messages.h"
#include "platform/text_encoding.h"
#include "route/route_folder.h"
#include "route/route_screen.h"
#include "series/route_bars.h"
#include "ui/chart_contents.h"
#include "ui/methods_table.h"

namespace korvel {

namespace {

// A hop's figure by its method: its total worst-month outage and fade margin, or why none.
struct HopFigure {
    std::optional<double> totalPct;
    std::optional<double> fadeMarginDb;
    std::string missing;
    std::optional<double> rainPct; // annual; none where the method gives only a bound
};

bool judgedByShare(RouteHopStatus status) {
    return status == RouteHopStatus::MeetsShare || status == RouteHopStatus::MissesShare;
}

HopFigure figureOf(const itu::MethodResult& m) {
    if (m.totalWorstMonthPct) {
        return {
            m.totalWorstMonthPct, m.fadeMarginDb, {}, m.rain ? m.rain->outagePct : std::nullopt};
    }
    if (!m.missing.empty()) {
        return {std::nullopt, std::nullopt, missingMapsText({m, m, m}), std::nullopt};
    }
    return {std::nullopt, std::nullopt, m.notes.size() > 0 ? std::string(m.notes[0]) : "no figure",
            std::nullopt};
}

// The hop of a route file calculated now, by its own sites and the installed maps.
HopFigure fileHopFigure(const RouteStandingSources& sources, const std::filesystem::path& file,
                        const HopSites& sites, VerdictMethod method) {
    SilentMessages silent;
    HopState hop;
    if (loadHopForCalculation(file, sources.library, silent, hop).status != HopLoadStatus::Loaded ||
        !producedResults(calculateHop(hop).status) || !resultsAreFinite(hop.results)) {
        return {std::nullopt, std::nullopt, "not calculable", std::nullopt};
    }
    const std::optional<GeoPoint> midpoint = itu::pathMidpoint(&sites);
    const auto columns = itu::hopMethods(
        {&hop, &sites,
         climateInputsAt(openedClimateMaps(sources.edited.climateMaps, sources.edited.messages),
                         midpoint, sites.climate),
         midpoint});
    return figureOf(columns[static_cast<std::size_t>(method)]);
}

struct HopJudging {
    VerdictMethod method = VerdictMethod::Classic;
    std::optional<std::filesystem::path> file; // none for the hop being edited
    HopSites sites;
};

HopJudging judgingOf(const RouteStandingSources& sources, int hop, bool edited) {
    if (edited) {
        return {sources.edited.sites.verdictMethod, std::nullopt, sources.edited.sites};
    }
    const RouteState& route = sources.route;
    HopJudging judging;
    judging.file =
        fileInRouteFolder(route, route.record.hopFile[static_cast<std::size_t>(hop)].view());
    if (judging.file) {
        const SitesRead read = loadSites(*judging.file);
        if (read.status == SitesReadStatus::Read) {
            judging.sites = read.sites;
            judging.method = read.sites.verdictMethod;
        }
    }
    return judging;
}

// How the total of a route with a current method counts its hops: simultaneous fading where they
// all share one current method, else their outages added.
double methodTotal(const std::vector<double>& outages, const std::vector<double>& margins,
                   std::optional<VerdictMethod> shared, std::string& words) {
    if (shared && *shared != VerdictMethod::Classic && margins.size() == outages.size()) {
        const double depth = itu::routeFadeDepthDb(margins);
        words = "Total by " + std::string(methodHeading(*shared)) +
                ": simultaneous fading over the hops (\xA7"
                "2.3.7) at their mean fade margin, " +
                formatFixed(depth, 1) + " dB";
        return itu::simultaneousFadingPct(outages, depth);
    }
    words = "Total: each hop's outage by the method that judges it, added";
    double sum = 0;
    for (const double outage : outages) {
        sum += outage;
    }
    return sum;
}

// The hop's outage (judged against its share) and, where the method gives one, its rain.
void takeFigure(RouteStanding& standing, std::size_t hop, const HopFigure& figure) {
    RouteHopSlot& slot = standing.route.slots[hop];
    RouteRecord& record = standing.route.record;
    slot.outage = *figure.totalPct;
    record.hopOutage[hop] = slot.outage;
    standing.statuses[hop] = verdictOf(slot.outage, slot.objective) == ObjectiveVerdict::Met
                                 ? RouteHopStatus::MeetsShare
                                 : RouteHopStatus::MissesShare;
    if (figure.rainPct) {
        slot.rainUnavail = *figure.rainPct;
        record.hopRain[hop] = slot.rainUnavail;
    }
}

} // namespace

RouteMethodStanding routeMethodStanding(const RouteStandingSources& sources,
                                        const HopState* edited) {
    RouteMethodStanding out{routeStanding(sources.route, sources.library, edited), {}, {}, {}};
    RouteStanding& standing = out.standing;
    RouteRecord& record = standing.route.record;
    const int count = std::clamp<int>(record.hopCount, 0, kMaxRouteHops);
    std::vector<double> outages;
    std::vector<double> margins;
    std::optional<VerdictMethod> shared;
    std::string notes;
    bool anyCurrent = false;
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool isEdited = edited != nullptr && i == standing.route.currentHop;
        const HopJudging judging = judgingOf(sources, i, isEdited);
        out.methods[index] = judging.method;
        shared =
            (i == 0 || shared == judging.method) ? std::optional(judging.method) : std::nullopt;
        RouteHopStatus& status = standing.statuses[index];
        if (judging.method != VerdictMethod::Classic && judgedByShare(status)) {
            anyCurrent = true;
            const HopFigure figure =
                isEdited ? figureOf(hopMethodColumns(
                               *edited, sources.edited)[static_cast<std::size_t>(judging.method)])
                         : fileHopFigure(sources, judging.file.value_or(""), judging.sites,
                                         judging.method);
            if (figure.totalPct) {
                takeFigure(standing, index, figure);
                if (figure.fadeMarginDb) {
                    margins.push_back(*figure.fadeMarginDb);
                }
            } else {
                shared.reset();
                notes += "\nHop " + std::to_string(i + 1) + ": " +
                         std::string(methodHeading(judging.method)) + " gives no figure (" +
                         figure.missing + "); its classic outage is counted";
            }
        }
        outages.push_back(standing.route.slots[index].outage);
    }
    if (anyCurrent) {
        std::string totalWords;
        record.totalOutage = methodTotal(outages, margins, shared, totalWords);
        standing.verdict = routeVerdict(record, standing.statuses);
        out.rule = totalWords + notes;
        out.words = routeStandingWords(standing) + "\n" + out.rule;
    } else {
        out.words = routeStandingWords(standing);
    }
    return out;
}

ChartContent routeMethodChart(const RouteMethodStanding& route) {
    ChartContent chart = routeChartContent(routeChart(route.standing));
    for (ChartBar& bar : chart.bars) {
        const auto hop = static_cast<std::size_t>(bar.category);
        if (hop < route.methods.size() && route.methods[hop] != VerdictMethod::Classic &&
            judgedByShare(route.standing.statuses[hop]) && !bar.label.empty()) {
            bar.label += " (" + std::string(methodHeading(route.methods[hop])) + ")";
        }
    }
    if (!route.rule.empty()) {
        chart.verdict += "\n" + route.rule;
    }
    return chart;
}

std::string withHopMethod(const std::string& line, const RouteMethodStanding& route, int hop) {
    const auto index = static_cast<std::size_t>(hop);
    std::string text = withHopStatus(line, route.standing.statuses[index]);
    if (route.methods[index] != VerdictMethod::Classic &&
        judgedByShare(route.standing.statuses[index])) {
        text += " (" + std::string(methodHeading(route.methods[index])) + ")";
    }
    return text;
}

} // namespace korvel
