#pragma once
// The route chart: one bar per hop (its outage, and its rain unavailability where it has one)
// against the hop's share of the route objective, and the route's total against its objective.

#include <string>
#include <vector>

#include "engine/hop_verdict.h"
#include "route/route_standing.h"

namespace korvel {

struct RouteBar {
    int hop = 0;          // 1 for the first hop
    std::string stations; // "STATION1 - STATION2", Windows-1252 as stored
    RouteHopStatus status = RouteHopStatus::NotCalculated; // as the route's lists say it
    double outagePct = 0;      // multipath outage (with diversity where the hop has it), %
    double rainAnnualPct = -1; // annual rain unavailability, %; negative: none computed
    double sharePct = 0;       // the hop's share of the route objective, %
};

struct RouteChart {
    std::vector<RouteBar> bars;
    double totalPct = 0;     // the route's outage as last summed, %
    double objectivePct = 0; // the route's objective, %
    bool meets = false;      // every hop current and the total within the objective
    bool complete = false;   // every hop calculated and current
    std::string verdict;     // in words: "meets, ...", "misses by ...", "incomplete: ..."
    // The route's rain: its hops' annual rain added (those with one) against the route's
    // availability objective, judged only while every hop is current; no outage: none computed.
    OutageJudgement rain;
    std::string rainWords; // "Rain unavailability ... : meets, ...", "...: incomplete"
};

// The bars of the route as it stands, each hop in the state the route's lists give it.
RouteChart routeChart(const RouteStanding& standing);

} // namespace korvel
