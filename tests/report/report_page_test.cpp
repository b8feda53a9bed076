// The printed pages, drawn on a recording device: positions and advances.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "golden.h"
#include "platform/recording_print_device.h"
#include "report/hop_report_page.h"
#include "report/report_text.h"
#include "report/route_report_page.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

// An odd line height shows where 1.5 line heights are truncated.
constexpr int kLineHeight = 13;
constexpr int kCharWidth = 7;

std::string dump(const RecordingPrintDevice& device) {
    std::string text;
    for (const TextRun& run : device.runs()) {
        text += formatted("%5d %5d |%s|\n", run.x, run.y, run.text.c_str());
    }
    return text;
}

RecordingPrintDevice hopPage(const HopState& hop, ReportLanguage language,
                             std::string_view hopFileName = "LINK7.HOP") {
    RecordingPrintDevice device(kLineHeight, kCharWidth);
    drawHopReportPage(device, hop, reportLibrary(), language, hopFileName, kDateStamp);
    return device;
}

// The y of the first run whose text starts with prefix.
std::optional<int> yOf(const RecordingPrintDevice& device, std::string_view prefix) {
    for (const TextRun& run : device.runs()) {
        if (run.text.starts_with(prefix)) {
            return run.y;
        }
    }
    return std::nullopt;
}

struct HopPageCase {
    const char* name;
    HopState (*hop)();
    const char* hopFileName;
};

class HopReportPageGolden : public ::testing::TestWithParam<HopPageCase> {};

TEST_P(HopReportPageGolden, MatchesBothLanguages) {
    for (const auto& [language, tag] :
         {std::pair{ReportLanguage::English, "en"}, std::pair{ReportLanguage::French, "fr"}}) {
        const std::string name = std::string("hop_") + GetParam().name + "_" + tag + ".page";
        SCOPED_TRACE(name);
        expectGolden(name, dump(hopPage(GetParam().hop(), language, GetParam().hopFileName)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hops, HopReportPageGolden,
    ::testing::Values(HopPageCase{"after_new", hopAfterNew, ""},
                      HopPageCase{"space_diversity", hopSpaceDiversity, "LINK7.HOP"},
                      HopPageCase{"frequency_diversity", hopFrequencyDiversity, "FD-HOP1.HOP"},
                      HopPageCase{"typed_feeder_loss", hopTypedFeederLoss, "TYPED.HOP"}),
    [](const ::testing::TestParamInfo<HopPageCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(HopReportPage, StartsSixCharactersInAndTwoLinesDown) {
    const RecordingPrintDevice device = hopPage(calculatedHop(), ReportLanguage::English);
    ASSERT_FALSE(device.runs().empty());
    for (const TextRun& run : device.runs()) {
        EXPECT_EQ(run.x, 6 * kCharWidth);
    }
    EXPECT_EQ(device.runs().front().y, 2 * kLineHeight);
    EXPECT_EQ(device.runs().front().text,
              " VALMO TELECOMMUNICATIONS                    25.12.1997");
}

TEST(HopReportPage, HalfLineAdvanceIsTruncatedToAWholeDeviceUnit) {
    const RecordingPrintDevice device = hopPage(calculatedHop(), ReportLanguage::English);
    // Rows 1 to 5 at 26, 39, 65, 78, 104; row 6 at 104 + 19.5, truncated.
    EXPECT_EQ(yOf(device, " Calculated hop from"), 104);
    EXPECT_EQ(yOf(device, " Radio frequency"), 123);
}

TEST(HopReportPage, RowsNotShownStillMoveThePen) {
    HopState selective = calculatedHop();
    selective.record.selectiveFading = SelectiveFading::Standard;
    const RecordingPrintDevice shown = hopPage(selective, ReportLanguage::English);
    const RecordingPrintDevice hidden = hopPage(calculatedHop(), ReportLanguage::English);
    const int marginShown = *yOf(shown, " Flat fading margin");
    const int marginHidden = *yOf(hidden, " Flat fading margin");
    EXPECT_EQ(*yOf(shown, " Calculated flat outage") - marginShown,
              static_cast<int>(marginShown + 2.5 * kLineHeight) - marginShown);
    EXPECT_EQ(*yOf(hidden, " Calculated flat outage") - marginHidden, 2 * kLineHeight);
    // Row 37 moves the pen 1 line in English and 2 in French, shown or not.
    for (const HopState& hop : {selective, calculatedHop()}) {
        const RecordingPrintDevice english = hopPage(hop, ReportLanguage::English);
        EXPECT_EQ(*yOf(english, " Total outage time") - *yOf(english, " Calculated flat outage"),
                  2 * kLineHeight);
        const RecordingPrintDevice french = hopPage(hop, ReportLanguage::French);
        EXPECT_EQ(*yOf(french, " Dur\xE9"
                               "e d'interruption totale (sans") -
                      *yOf(french, " Dur\xE9"
                                   "e d'interruption uniforme"),
                  3 * kLineHeight);
    }
}

TEST(HopReportPage, HiddenFeederRowDoesNotMoveThePen) {
    const RecordingPrintDevice library = hopPage(calculatedHop(), ReportLanguage::English);
    const RecordingPrintDevice typed = hopPage(hopTypedFeederLoss(), ReportLanguage::English);
    EXPECT_TRUE(yOf(library, " Feeder type"));
    EXPECT_FALSE(yOf(typed, " Feeder type"));
    EXPECT_EQ(*yOf(library, " Antenna diameters") - *yOf(library, " Feeder loss/100m"),
              2 * kLineHeight);
    EXPECT_EQ(*yOf(typed, " Antenna diameters") - *yOf(typed, " Feeder loss/100m"), kLineHeight);
}

TEST(HopReportPage, DiversityBlockStartsAtItsOffset) {
    HopState none = hopFrequencyDiversity(); // with rain, so row 39 is drawn
    none.record.diversityMode = DiversityMode::No;
    const RecordingPrintDevice noDiversity = hopPage(none, ReportLanguage::English);
    const int rainRow = *yOf(noDiversity, " Annual unavailability");
    EXPECT_EQ(*yOf(noDiversity, "<LINK7.HOP>"), rainRow + 14 * kLineHeight);

    const RecordingPrintDevice frequency =
        hopPage(hopFrequencyDiversity(), ReportLanguage::English);
    EXPECT_EQ(*yOf(frequency, " With frequency diversity"),
              *yOf(frequency, " Annual unavailability") + 4 * kLineHeight);

    const RecordingPrintDevice space = hopPage(hopSpaceDiversity(), ReportLanguage::French);
    EXPECT_EQ(*yOf(space, " Avec la diversit\xE9 d'espace"),
              *yOf(space, " Indisponibilit\xE9") + 2 * kLineHeight);
    EXPECT_FALSE(yOf(space, " Separation verticale")); // row 45a is for the files only
}

TEST(HopReportPage, NoRainSkipsThePolarizationWordAndRow12) {
    const RecordingPrintDevice device = hopPage(calculatedHop(), ReportLanguage::English);
    ASSERT_GE(device.runs().size(), 6U);
    EXPECT_EQ(device.runs()[5].text, " Radio frequency         7.5 GHz ");
    EXPECT_FALSE(yOf(device, " Rainrate"));
    EXPECT_EQ(*yOf(device, " Station heights"),
              static_cast<int>(*yOf(device, " Geoclimatic factor") + 1.5 * kLineHeight));
}

TEST(HopReportPage, EnglishPageShowsTheGeoclimaticFactorWithThreeDecimals) {
    const RecordingPrintDevice english = hopPage(calculatedHop(), ReportLanguage::English);
    const RecordingPrintDevice french = hopPage(calculatedHop(), ReportLanguage::French);
    bool found = false;
    for (const TextRun& run : english.runs()) {
        found = found || run.text == " Geoclimatic factor      1.500E-006";
    }
    EXPECT_TRUE(found);
    found = false;
    for (const TextRun& run : french.runs()) {
        found = found || run.text == " Facteur g\xE9oclimatique           1.50E-006";
    }
    EXPECT_TRUE(found);
}

struct RoutePageCase {
    const char* name;
    RouteState (*route)();
};

class RouteReportPageGolden : public ::testing::TestWithParam<RoutePageCase> {};

TEST_P(RouteReportPageGolden, MatchesBothLanguages) {
    for (const auto& [language, tag] :
         {std::pair{ReportLanguage::English, "en"}, std::pair{ReportLanguage::French, "fr"}}) {
        const std::string name = std::string("route_") + GetParam().name + "_" + tag + ".page";
        SCOPED_TRACE(name);
        RecordingPrintDevice device(kLineHeight, kCharWidth);
        drawRouteReportPage(device, GetParam().route(), language, "970315 KV-EU", kDateStamp);
        expectGolden(name, dump(device));
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, RouteReportPageGolden,
                         ::testing::Values(RoutePageCase{"one_hop", routeOneHop},
                                           RoutePageCase{"twenty_hops", routeTwentyHops}),
                         [](const ::testing::TestParamInfo<RoutePageCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(RouteReportPage, LinesStandAtFixedPositionsThreeCharactersIn) {
    RecordingPrintDevice device(kLineHeight, kCharWidth);
    drawRouteReportPage(device, routeTwoHopsOneRain(), ReportLanguage::English, "ID", kDateStamp);
    const auto lineOf = [&](std::string_view prefix) { return *yOf(device, prefix) / kLineHeight; };
    for (const TextRun& run : device.runs()) {
        EXPECT_EQ(run.x, 3 * kCharWidth);
        EXPECT_EQ(run.y % kLineHeight, 0);
    }
    EXPECT_EQ(lineOf(" VALMO"), 3);
    EXPECT_EQ(lineOf(" Two hops"), 4);
    EXPECT_EQ(lineOf(" ROUTE OUTAGE TABLE"), 10);
    EXPECT_EQ(lineOf(std::string(59, ' ') + "rain"), 13);
    EXPECT_EQ(lineOf(" 1  Oulu"), 16);
    EXPECT_EQ(lineOf(" 2  Kempele"), 17);
    EXPECT_EQ(lineOf("-----"), 19);
    EXPECT_EQ(lineOf("<PAIR.ROU>"), 42);
    EXPECT_EQ(lineOf("<Library: ID>"), 43);
}

// With 20 hops the design margin falls on line 42, where the foot stands; it used to be drawn
// over the file name.
TEST(RouteReportPage, FullRouteMovesTheFootBelowTheDesignMargin) {
    for (ReportLanguage language : {ReportLanguage::English, ReportLanguage::French}) {
        RecordingPrintDevice device(kLineHeight, kCharWidth);
        drawRouteReportPage(device, routeTwentyHops(), language, "ID", kDateStamp);
        const std::vector<TextRun>& runs = device.runs();
        for (std::size_t i = 1; i < runs.size(); ++i) {
            EXPECT_LT(runs[i - 1].y, runs[i].y) << runs[i].text;
        }
        EXPECT_EQ(*yOf(device, "<TRUNK-NORTH.ROU>"), 43 * kLineHeight);
        EXPECT_EQ(*yOf(device, "<Library: ID>"), 44 * kLineHeight);
    }
    RecordingPrintDevice nineteen(kLineHeight, kCharWidth);
    RouteState route = routeTwentyHops();
    route.record.hopCount = 19;
    drawRouteReportPage(nineteen, route, ReportLanguage::English, "ID", kDateStamp);
    EXPECT_EQ(*yOf(nineteen, "<TRUNK-NORTH.ROU>"), 42 * kLineHeight);
}

} // namespace
} // namespace korvel
