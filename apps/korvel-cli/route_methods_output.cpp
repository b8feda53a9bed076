#include "route_methods_output.h"

#include <filesystem>

#include "engine/calculate_hop.h"
#include "engine/number_text.h"
#include "exit_codes.h"
#include "platform/text_encoding.h"
#include "report/methods_rows.h"

namespace korvel::cli {
namespace {

using itu::MethodResult;

constexpr const char* kSumRule = "sum of the hops";
constexpr const char* kSimultaneousRule = "simultaneous fading at the mean fade margin";

// The hop calculated now; no columns of figures when it cannot be.
std::array<MethodResult, 3> hopColumns(CliContext& context, const std::string& file,
                                       std::span<const std::uint8_t> image,
                                       const MethodsOptions& options) {
    HopState hop;
    if (context.loadHop(file, image, hop) == kExitOk) {
        const CalculationOutcome outcome = calculateHop(hop);
        if (producedResults(outcome.status) && resultsAreFinite(hop.results)) {
            return methodColumns(hop, file, options);
        }
    }
    const HopState uncalculated;
    return itu::hopMethods({&uncalculated, nullptr, {}, {}});
}

// The classic route keeps its own rule: the hops' outages and their rain added.
itu::RouteMethodTotal classicTotal(std::span<const MethodResult* const> hops) {
    itu::RouteMethodTotal total;
    if (hops.empty()) {
        return total;
    }
    double sum = 0;
    std::array<itu::HopRainOutage, kMaxRouteHops> rain{};
    for (std::size_t i = 0; i < hops.size(); ++i) {
        if (!hops[i]->totalWorstMonthPct) {
            return total;
        }
        sum += *hops[i]->totalWorstMonthPct;
        const bool rainKnown = hops[i]->rain && hops[i]->rain->outagePct;
        total.rainComplete = total.rainComplete && rainKnown;
        rain[i].pct = rainKnown ? hops[i]->rain->outagePct : std::nullopt;
    }
    total.worstMonthPct = sum;
    if (total.rainComplete) {
        total.rain = itu::routeRainOutage(std::span(rain.data(), hops.size()));
    }
    return total;
}

std::string percentOr(const std::optional<double>& value) {
    return value ? methodPercentText(*value) : kNone;
}

std::string routeRain(const itu::RouteMethodTotal& total) {
    if (total.rain.aboveHighest) {
        return "> 1";
    }
    return percentOr(total.rain.pct);
}

} // namespace

RouteMethods routeMethods(CliContext& context, const std::string& routeFile,
                          const RouteState& route, const HopImages& images,
                          const HopMarks& unreadable, const MethodsOptions& options) {
    RouteMethods methods;
    const auto count = static_cast<std::size_t>(route.record.hopCount);
    for (std::size_t i = 0; i < count; ++i) {
        // Named beside the route file as the user named it.
        const std::string file = (std::filesystem::path(routeFile).parent_path() /
                                  cp1252ToUtf8(route.record.hopFile[i].view()))
                                     .string();
        const HopState uncalculated;
        methods.hops.push_back(unreadable[i] ? itu::hopMethods({&uncalculated, nullptr, {}, {}})
                                             : hopColumns(context, file, images[i], options));
    }
    for (std::size_t column = 0; column < 3; ++column) {
        std::vector<const MethodResult*> hops;
        for (const auto& hop : methods.hops) {
            hops.push_back(&hop[column]);
        }
        const auto method = static_cast<itu::MethodId>(column);
        if (!options.wants(method)) {
            continue;
        }
        methods.totals.push_back({method, method == itu::MethodId::Classic
                                              ? classicTotal(hops)
                                              : itu::routeMethodTotal(hops)});
    }
    return methods;
}

void appendRouteMethodsText(std::string& text, const RouteState& route, const RouteMethods& methods,
                            const MethodsOptions& options) {
    for (std::size_t i = 0; i < methods.hops.size(); ++i) {
        text.append("\n== Hop ").append(std::to_string(i + 1)).append(": ");
        text.append(cp1252ToUtf8(route.record.hopFile[i].view())).append("\n");
        appendMethodsTable(text, options.chosen(methods.hops[i]));
    }
    std::vector<std::vector<std::string>> grid{
        {"Route"}, {"Fade depth A (dB)"}, {"Total, worst month (%)"}, {"Rain outage, year (%)"}};
    for (const RouteMethodTotals& column : methods.totals) {
        grid[0].emplace_back(itu::methodName(column.method));
        grid[1].push_back(column.total.fadeDepthDb ? fixedDecimals(*column.total.fadeDepthDb, 2)
                                                   : kNone);
        grid[2].push_back(percentOr(column.total.worstMonthPct));
        grid[3].push_back(routeRain(column.total));
    }
    text += "\n== Route total by method\n";
    appendAligned(text, grid);
    for (const RouteMethodTotals& column : methods.totals) {
        const bool classic = column.method == itu::MethodId::Classic;
        text.append(itu::methodName(column.method))
            .append(": ")
            .append(classic ? kSumRule : kSimultaneousRule)
            .append("; rain: ")
            .append(classic ? kSumRule : itu::kRouteRainLabel);
        if (const int lowest = column.total.rain.hopsCountedAtLowest; lowest > 0) {
            text.append(", ")
                .append(std::to_string(lowest))
                .append(lowest == 1 ? " hop" : " hops")
                .append(" below 0.001 % counted at 0.001 %");
        }
        text += '\n';
    }
}

void writeRouteHopMethodsJson(JsonWriter& json, const RouteMethods& methods,
                              const MethodsOptions& options, std::size_t hop) {
    writeMethodsJson(json, options.chosen(methods.hops[hop]));
}

void writeRouteTotalsJson(JsonWriter& json, const RouteMethods& methods) {
    json.key("methodTotals").beginArray();
    for (const RouteMethodTotals& column : methods.totals) {
        const bool classic = column.method == itu::MethodId::Classic;
        const itu::RouteMethodTotal& total = column.total;
        json.beginObject();
        json.key("method").utf8(itu::methodName(column.method));
        json.key("rule").utf8(classic ? kSumRule : kSimultaneousRule);
        json.key("fadeDepthDb");
        total.fadeDepthDb ? json.number(*total.fadeDepthDb) : json.null();
        json.key("worstMonthPct");
        total.worstMonthPct ? json.number(*total.worstMonthPct) : json.null();
        json.key("rain").beginObject();
        json.key("label").utf8(classic ? kSumRule : itu::kRouteRainLabel);
        json.key("outagePct");
        total.rain.pct ? json.number(*total.rain.pct) : json.null();
        json.key("aboveHighest").boolean(total.rain.aboveHighest);
        json.key("hopsCountedAtLowest").integer(total.rain.hopsCountedAtLowest);
        json.key("complete").boolean(total.rainComplete);
        json.endObject();
        json.endObject();
    }
    json.endArray();
}

} // namespace korvel::cli
