#pragma once
// What heads an exported chart: the hop (or route) by its file name, its stations, frequency and
// today's date, then the verdict of the hop as it stands; and the file the export proposes,
// NAME-CHART beside the hop file.

#include "platform/chart_view.h"

namespace korvel {

struct ApplicationState;
struct DateSettings;
struct HopSites;
struct HopState;
struct RouteState;

// What a title block names: the hop with its sites, or the route; the files in use.
struct TitleBlockSources {
    const HopState& hop;
    const HopSites& sites;
    const RouteState& route;
    const ApplicationState& app; // the hop file's names and the working folder
    const DateSettings& dates;   // today's date as every report heads it
};

// The title block of a chart of the hop being edited. A chart over results out of date says so
// instead of a verdict.
ChartTitleBlock hopTitleBlock(const TitleBlockSources& sources, const ChartContent& chart);

// The title block of the route chart: the route file, its first and last stations, the date and
// the chart's verdict.
ChartTitleBlock routeTitleBlock(const TitleBlockSources& sources, const ChartContent& chart);

// The chart with its title block, the hop's or, for the route chart, the route's.
ChartContent withTitleBlock(ChartContent chart, const TitleBlockSources& sources);

} // namespace korvel
