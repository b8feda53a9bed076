// Route report rules the golden files do not each show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/route_report.h"
#include "report/route_report_page.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

std::string routeText(const RouteState& route, ReportForm form = ReportForm::Text,
                      ReportLanguage language = ReportLanguage::English) {
    return buildRouteReport(form, route, language, kLibraryId, kDateStamp);
}

TEST(RouteReport, RainValuesOfZeroOrLessGiveNoRainColumn) {
    RouteState route = routeTwoHopsOneRain();
    route.record.hopRain[0] = 0.0;
    for (const ReportLanguage language : kLanguages) {
        for (const ReportForm form : {ReportForm::Text, ReportForm::Delimited}) {
            const std::string report = routeText(route, form, language);
            for (const std::string_view word :
                 {"rain", "unavail", "pluie", "indisp.", "=============================="}) {
                EXPECT_FALSE(contains(report, word)) << word;
            }
        }
    }
    // French keeps the word above the outage column.
    EXPECT_TRUE(contains(routeText(route, ReportForm::Text, ReportLanguage::French), "dur\xE9"
                                                                                     "e\r\n"));
}

TEST(RouteReport, DamagedHopCountIsHeldToTheTable) {
    RouteState route = routeTwentyHops();
    route.record.hopCount = 31;
    EXPECT_TRUE(contains(routeText(route), "   20  Oulainen"));
    EXPECT_FALSE(contains(routeText(route), "   21  "));
    RecordingPrintDevice page(kLineHeight, kCharWidth);
    drawRouteReportPage(page, route, ReportLanguage::English, "ID", kDateStamp);
    EXPECT_FALSE(yOf(page, " 21  "));
    route.record.hopCount = -4;
    EXPECT_FALSE(contains(routeText(route), "    1  "));
}

// With 20 hops the design margin falls on line 42, where the foot stands; it used to be drawn
// over the file name. With 19 hops the foot keeps line 42.
TEST(RouteReportPage, FullRouteMovesTheFootBelowTheDesignMargin) {
    for (const auto& [hops, footLine] : {std::pair{20, 43}, std::pair{19, 42}}) {
        for (const ReportLanguage language : kLanguages) {
            RouteState route = routeTwentyHops();
            route.record.hopCount = static_cast<std::int16_t>(hops);
            RecordingPrintDevice device(kLineHeight, kCharWidth);
            drawRouteReportPage(device, route, language, "ID", kDateStamp);
            const std::vector<TextRun>& runs = device.runs();
            for (std::size_t i = 1; i < runs.size(); ++i) {
                EXPECT_LT(runs[i - 1].y, runs[i].y) << runs[i].text;
            }
            EXPECT_EQ(*yOf(device, "<TRUNK-NORTH.ROU>"), footLine * kLineHeight);
            EXPECT_EQ(*yOf(device, "<Library: ID>"), (footLine + 1) * kLineHeight);
        }
    }
}

} // namespace
} // namespace korvel
