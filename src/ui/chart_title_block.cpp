#include "ui/chart_title_block.h"

#include <string>
#include <utility>

#include "engine/calculate_hop.h"
#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "geo/hop_sites.h"
#include "platform/results_window.h"
#include "platform/text_encoding.h"
#include "report/date_stamp.h"
#include "route/route_record.h"
#include "ui/application_state.h"

namespace korvel {

namespace {

// The file's name without its extension, or "untitled" for a hop never saved.
std::string stemOf(const std::filesystem::path& file) {
    return file.empty() ? std::string("untitled") : pathToCp1252(file.stem());
}

std::string folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path().string() : std::string();
}

std::string stationsOf(std::string_view first, std::string_view second) {
    return std::string(first.empty() ? "Station 1" : first) + " \x96 " +
           std::string(second.empty() ? "Station 2" : second);
}

// The judgement of the hop as it stands, calculated now: the chart may be drawn from a page
// whose stored results are older.
std::vector<std::string> verdictLines(const TitleBlockSources& sources, const ChartContent& chart) {
    if (chart.verdict == kResultsOutOfDateText) {
        return {chart.verdict};
    }
    HopState calculated = sources.hop;
    const CalcStatus status = calculateHop(calculated).status;
    if (!producedResults(status)) {
        return {std::string(statusText(status))};
    }
    return hopJudgementLines(calculated, sources.sites.availabilityObjectivePct);
}

} // namespace

ChartTitleBlock hopTitleBlock(const TitleBlockSources& sources, const ChartContent& chart) {
    const HopRecord& record = sources.hop.record;
    const ApplicationState& app = sources.app;
    const std::filesystem::path& file =
        app.fullFileName.empty() ? app.currentHopFileName : app.fullFileName;
    ChartTitleBlock block;
    block.lines.push_back(stemOf(file) + ": " +
                          stationsOf(record.station1Name.view(), record.station2Name.view()) +
                          ", " + formatNumbers("%g", record.frequencyGHz) + " GHz, " +
                          formatDateStamp(sources.dates, reportToday()));
    for (std::string& line : verdictLines(sources, chart)) {
        block.lines.push_back(std::move(line));
    }
    block.fileStem = stemOf(file) + "-" + chart.name;
    block.folder = folderOf(inWorkingFolder(app, file));
    return block;
}

ChartTitleBlock routeTitleBlock(const TitleBlockSources& sources, const ChartContent& chart) {
    const RouteState& route = sources.route;
    const int hops = route.record.hopCount;
    std::string stations;
    if (hops > 0) {
        stations =
            ": " + stationsOf(route.slots[0].station1.view(),
                              route.slots[static_cast<std::size_t>(hops - 1)].station2.view());
    }
    std::string stem = route.record.fileName.empty() ? "untitled" : route.record.fileName.str();
    stem = stem.substr(0, stem.rfind('.'));
    ChartTitleBlock block;
    block.lines.push_back("Route " + stem + stations + ", " + std::to_string(hops) + " hops, " +
                          formatDateStamp(sources.dates, reportToday()));
    block.lines.push_back(chart.verdict);
    block.fileStem = stem + "-" + chart.name;
    block.folder = route.folder.string();
    return block;
}

ChartContent withTitleBlock(ChartContent chart, const TitleBlockSources& sources) {
    chart.titleBlock =
        chart.name == "route" ? routeTitleBlock(sources, chart) : hopTitleBlock(sources, chart);
    return chart;
}

} // namespace korvel
