#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "golden.h"
#include "report/route_report.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

constexpr std::string_view kLibraryId = "970315 KV-EU";

std::string routeReport(const RouteState& route, ReportForm form,
                        ReportLanguage language = ReportLanguage::English) {
    return buildRouteReport(form, route, language, kLibraryId, kDateStamp);
}

bool contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

struct RouteGoldenCase {
    const char* name;
    RouteState (*route)();
};

class RouteReportGolden : public ::testing::TestWithParam<RouteGoldenCase> {};

TEST_P(RouteReportGolden, MatchesEveryFormAndLanguage) {
    const RouteState route = GetParam().route();
    for (const auto& [language, tag] :
         {std::pair{ReportLanguage::English, "en"}, std::pair{ReportLanguage::French, "fr"}}) {
        for (const auto& [form, extension] :
             {std::pair{ReportForm::Text, "txt"}, std::pair{ReportForm::Delimited, "tsv"}}) {
            const std::string name =
                std::string("route_") + GetParam().name + "_" + tag + "." + extension;
            SCOPED_TRACE(name);
            expectGolden(name, routeReport(route, form, language));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, RouteReportGolden,
                         ::testing::Values(RouteGoldenCase{"one_hop", routeOneHop},
                                           RouteGoldenCase{"two_hops_one_rain",
                                                           routeTwoHopsOneRain},
                                           RouteGoldenCase{"twenty_hops", routeTwentyHops}),
                         [](const ::testing::TestParamInfo<RouteGoldenCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(RouteReport, RainValuesOfZeroOrLessGiveNoRainColumn) {
    RouteState route = routeTwoHopsOneRain();
    route.record.hopRain[0] = 0.0;
    for (ReportLanguage language : {ReportLanguage::English, ReportLanguage::French}) {
        for (ReportForm form : {ReportForm::Text, ReportForm::Delimited}) {
            const std::string report = routeReport(route, form, language);
            EXPECT_FALSE(contains(report, "rain"));
            EXPECT_FALSE(contains(report, "unavail"));
            EXPECT_FALSE(contains(report, "pluie"));
            EXPECT_FALSE(contains(report, "indisp."));
            EXPECT_FALSE(contains(report, "=========="
                                          "=========="
                                          "=========="));
        }
    }
    // French keeps the word above the outage column.
    EXPECT_TRUE(contains(routeReport(route, ReportForm::Text, ReportLanguage::French), "dur\xE9"
                                                                                       "e\r\n"));
}

TEST(RouteReport, OneRainValueFillsTheColumnAndTheTotal) {
    const std::string report = routeReport(routeTwoHopsOneRain(), ReportForm::Text);
    EXPECT_TRUE(contains(report, "   0.0012 %  0.0021 %\r\n"));
    EXPECT_TRUE(contains(report, "   0.0020 %  0.0000 %\r\n"));
    EXPECT_TRUE(contains(report, "Total           : 0.0032 %  0.0021 %\r\n"));
}

TEST(RouteReport, StationNamesAreCutTo12InTheTextFileAndWholeInTheDelimitedFile) {
    const RouteState route = routeTwentyHops();
    EXPECT_TRUE(
        contains(routeReport(route, ReportForm::Text), "    1  Helsinki Pas - Vantaa      "));
    EXPECT_TRUE(
        contains(routeReport(route, ReportForm::Delimited), " 1\tHelsinki Pasila\t - \tVantaa\t"));
}

int lineEndsBeforeFoot(const std::string& report) {
    // The line end just before "<file name>".
    const std::size_t foot = report.rfind("\r\n<", report.rfind("<Library:") - 3);
    int count = 0;
    for (std::size_t at = foot; at >= 2 && report.compare(at - 2, 2, "\r\n") == 0; at -= 2) {
        ++count;
    }
    return count;
}

TEST(RouteReport, FootStandsOnTheSameLineWhateverTheNumberOfHops) {
    RouteState twenty = routeTwentyHops();
    twenty.record.hopRain.fill(-1.0); // the rain heading would add a line of its own
    EXPECT_EQ(lineEndsBeforeFoot(routeReport(routeOneHop(), ReportForm::Text)), 34);
    EXPECT_EQ(lineEndsBeforeFoot(routeReport(twenty, ReportForm::Text)), 15);
    const auto lineOfFoot = [](const std::string& report) {
        return std::count(report.begin(),
                          report.begin() + static_cast<std::ptrdiff_t>(report.rfind("<Library:")),
                          '\n');
    };
    EXPECT_EQ(lineOfFoot(routeReport(routeOneHop(), ReportForm::Text)),
              lineOfFoot(routeReport(twenty, ReportForm::Text)));
}

TEST(RouteReport, NegativeDesignMarginKeepsItsSign) {
    RouteState route = routeOneHop();
    route.record.objective = 0.0007;
    EXPECT_TRUE(contains(routeReport(route, ReportForm::Text), "Design margin   :-0.0005 %\r\n"));
    EXPECT_TRUE(
        contains(routeReport(route, ReportForm::Delimited), "Design margin :\t\t\t-0.0005\t%\r\n"));
}

TEST(RouteReport, DamagedHopCountIsHeldToTheTable) {
    RouteState route = routeTwentyHops();
    route.record.hopCount = 31;
    const std::string report = routeReport(route, ReportForm::Text);
    EXPECT_TRUE(contains(report, "   20  Oulainen"));
    EXPECT_FALSE(contains(report, "   21  "));
    route.record.hopCount = -4;
    EXPECT_FALSE(contains(routeReport(route, ReportForm::Text), "    1  "));
}

} // namespace
} // namespace korvel
