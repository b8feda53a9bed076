// Every golden file of the hop and route reports, then the rules the golden files do not show.

#include "report/hop_report.h"
#include "report/hop_report_page.h"
#include "report/route_report.h"
#include "report/route_report_page.h"
#include "report_fixtures.h"

namespace korvel::report_test {
namespace {

TEST(ReportGolden, EveryFormAndLanguageMatchesItsGoldenFile) {
    const std::tuple<const char*, HopState (*)(), const char*> hops[] = {
        {"after_new", test::hopAfterNew, ""}, // never saved: no row 52
        {"space_diversity", hopSpaceDiversity, "LINK7.HOP"},
        {"frequency_diversity", hopFrequencyDiversity, "FD-HOP1.HOP"},
        {"typed_feeder_loss", hopTypedFeederLoss, "TYPED.HOP"}};
    // clang-format off
    const std::pair<const char*, RouteState (*)()> routes[] = {
        {"one_hop", routeOneHop}, {"two_hops_one_rain", routeTwoHopsOneRain}, {"twenty_hops", routeTwentyHops}};
    // clang-format on
    for (const ReportLanguage language : kLanguages) {
        const char* tag = language == ReportLanguage::English ? "_en." : "_fr.";
        for (const auto& [name, make, hopFileName] : hops) {
            const std::string base = std::string("hop_") + name + tag;
            const HopState hop = make();
            const EquipmentLibrary library = reportLibrary();
            expectGolden(base + "txt",
                         buildHopTextReport(hop, library, language, hopFileName, kDateStamp));
            expectGolden(base + "tsv",
                         buildHopDelimitedReport(hop, library, language, hopFileName, kDateStamp));
            RecordingPrintDevice page(kLineHeight, kCharWidth);
            drawHopReportPage(page, hop, library, language, hopFileName, kDateStamp);
            expectGolden(base + "page", dump(page));
        }
        for (const auto& [name, make] : routes) {
            const std::string base = std::string("route_") + name + tag;
            const RouteState route = make();
            for (const auto& [form, extension] :
                 {std::pair{ReportForm::Text, "txt"}, std::pair{ReportForm::Delimited, "tsv"}}) {
                expectGolden(base + extension,
                             buildRouteReport(form, route, language, kLibraryId, kDateStamp));
            }
            if (route.record.hopCount != 2) { // no page for the two-hop route
                RecordingPrintDevice page(kLineHeight, kCharWidth);
                drawRouteReportPage(page, route, language, kLibraryId, kDateStamp);
                expectGolden(base + "page", dump(page));
            }
        }
    }
}

std::string text(const HopState& hop, ReportLanguage language = ReportLanguage::English,
                 std::string_view hopFileName = "LINK7.HOP") {
    return buildHopTextReport(hop, reportLibrary(), language, hopFileName, kDateStamp);
}

TEST(ExponentText, WritesASignAndThreeExponentDigits) {
    EXPECT_EQ(exponentText(0.0, 2, 5), "0.00E+000");
    EXPECT_EQ(exponentText(-4.0e12, 2, 5), "-4.00E+012");
    EXPECT_EQ(exponentText(1.0e100, 2, 5), "1.00E+100");
    EXPECT_EQ(exponentText(1.0e-5, 1, 12), "    1.0E-005");
}

TEST(HopReportText, HopFileNameOfOneCharacterIsLeftOut) {
    EXPECT_FALSE(contains(text(calculatedHop(), ReportLanguage::English, "X"), "<X>"));
    EXPECT_TRUE(contains(text(calculatedHop(), ReportLanguage::English, "XY"), "<XY>\r\n<Library"));
}

TEST(HopReportText, OutOfRangeChoicesFallToTheirSecondWord) {
    HopState hop = hopFrequencyDiversity(); // rain data present, so the polarization shows
    hop.record.method = static_cast<Method>(0);
    hop.record.polarization = static_cast<Polarization>(7);
    hop.record.northSouth = static_cast<NorthSouth>(0);
    hop.record.eastWest = static_cast<EastWest>(0);
    const std::string report = text(hop);
    EXPECT_TRUE(contains(report, "MW 7.5-34 / ITU Rec 530 Method 2\r\n"));
    EXPECT_TRUE(contains(report, "  7.5 GHz horizontal\r\n"));
    EXPECT_TRUE(contains(report, "   62   S\r\n"));
    EXPECT_TRUE(contains(report, "   25   W\r\n"));
}

TEST(HopReportText, FeederTypedAtStation1AlsoRemovesRow19FromBothFiles) {
    HopState hop = calculatedHop();
    hop.selection.userFeederLoss = {1, 0};
    for (const ReportLanguage language : kLanguages) {
        for (const ReportForm form : {ReportForm::Text, ReportForm::Delimited}) {
            EXPECT_FALSE(contains(
                buildHopReport(form, hop, reportLibrary(), language, "", kDateStamp), "ELLIPTIC"));
        }
    }
}

TEST(HopReportText, FeederSelectionOutsideTheLibraryShowsNoNames) {
    HopState hop = calculatedHop();
    for (const auto& [table, indices] : {std::pair{9, std::array<std::int16_t, 2>{1, 1}},
                                         std::pair{1, std::array<std::int16_t, 2>{-1, 8}}}) {
        hop.selection.feederTable = static_cast<std::int16_t>(table);
        hop.selection.feederIndex = indices;
        const std::string report = text(hop);
        const std::size_t row = report.find("\r\n     Feeder type");
        ASSERT_NE(row, std::string::npos);
        EXPECT_EQ(report.find_first_not_of(' ', row + 18), report.find("\r\n", row + 2));
    }
}

TEST(HopReportNoDiversityWithRain, EndsThirteenLinesAfterRow39InTheFileAndOnThePage) {
    HopState hop = hopFrequencyDiversity();
    hop.record.diversityMode = DiversityMode::No;
    const char* blankRun = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"; // 13 line ends
    EXPECT_TRUE(contains(text(hop), std::string("   %\r\n") + blankRun + "<LINK7.HOP>\r\n"));
    RecordingPrintDevice page(kLineHeight, kCharWidth);
    drawHopReportPage(page, hop, reportLibrary(), ReportLanguage::English, "LINK7.HOP", kDateStamp);
    EXPECT_EQ(*yOf(page, "<LINK7.HOP>"), *yOf(page, " Annual unavailability") + 14 * kLineHeight);
}

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
            for (std::size_t i = 1; i < device.runs().size(); ++i) {
                EXPECT_LT(device.runs()[i - 1].y, device.runs()[i].y) << device.runs()[i].text;
            }
            EXPECT_EQ(*yOf(device, "<TRUNK-NORTH.ROU>"), footLine * kLineHeight);
            EXPECT_EQ(*yOf(device, "<Library: ID>"), (footLine + 1) * kLineHeight);
        }
    }
}

} // namespace
} // namespace korvel::report_test
