#include "ui/chart_title_block.h"

#include <string>
#include <utility>

#include "engine/calculate_hop.h"
#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "platform/results_window.h"
#include "platform/text_encoding.h"
#include "ui/session.h"

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
std::vector<std::string> verdictLines(const Session& session, const ChartContent& chart) {
    if (chart.verdict == kResultsOutOfDateText) {
        return {chart.verdict};
    }
    HopState calculated = session.hop;
    const CalcStatus status = calculateHop(calculated).status;
    if (!producedResults(status)) {
        return {std::string(statusText(status))};
    }
    return hopJudgementLines(calculated, session.sites.availabilityObjectivePct);
}

} // namespace

ChartTitleBlock hopTitleBlock(const Session& session, const ChartContent& chart) {
    const HopRecord& record = session.hop.record;
    const std::filesystem::path& file = session.app.fullFileName.empty()
                                            ? session.app.currentHopFileName
                                            : session.app.fullFileName;
    ChartTitleBlock block;
    block.lines.push_back(
        stemOf(file) + ": " + stationsOf(record.station1Name.view(), record.station2Name.view()) +
        ", " + formatNumbers("%g", record.frequencyGHz) + " GHz, " + session.reportDateStamp());
    for (std::string& line : verdictLines(session, chart)) {
        block.lines.push_back(std::move(line));
    }
    block.fileStem = stemOf(file) + "-" + chart.name;
    block.folder = folderOf(session.fileInWorkingFolder(file));
    return block;
}

ChartTitleBlock routeTitleBlock(const Session& session, const ChartContent& chart) {
    const RouteState& route = session.route;
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
                          session.reportDateStamp());
    block.lines.push_back(chart.verdict);
    block.fileStem = stem + "-" + chart.name;
    block.folder = route.folder.string();
    return block;
}

ChartContent withTitleBlock(ChartContent chart, const Session& session) {
    chart.titleBlock =
        chart.name == "route" ? routeTitleBlock(session, chart) : hopTitleBlock(session, chart);
    return chart;
}

} // namespace korvel
