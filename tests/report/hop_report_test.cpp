// Every golden file of the hop and route reports, then the hop rows the golden files do not show.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "report/hop_report.h"
#include "report/hop_report_page.h"
#include "report/route_report.h"
#include "report/route_report_page.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

// The report of one form ("txt", "tsv" or the recorded "page").
using Render = std::function<std::string(ReportLanguage, std::string_view form)>;

Render hopRender(HopState (*make)(), std::string_view hopFileName) {
    return [=](ReportLanguage language, std::string_view form) {
        const HopState hop = make();
        if (form == "page") {
            RecordingPrintDevice device(kLineHeight, kCharWidth);
            drawHopReportPage(device, hop, reportLibrary(), language, hopFileName, kDateStamp);
            return dump(device);
        }
        return buildHopReport(form == "txt" ? ReportForm::Text : ReportForm::Delimited, hop,
                              reportLibrary(), language, hopFileName, kDateStamp);
    };
}

Render routeRender(RouteState (*make)()) {
    return [=](ReportLanguage language, std::string_view form) {
        if (form == "page") {
            RecordingPrintDevice device(kLineHeight, kCharWidth);
            drawRouteReportPage(device, make(), language, kLibraryId, kDateStamp);
            return dump(device);
        }
        return buildRouteReport(form == "txt" ? ReportForm::Text : ReportForm::Delimited, make(),
                                language, kLibraryId, kDateStamp);
    };
}

TEST(ReportGolden, EveryFormAndLanguageMatchesItsGoldenFile) {
    const struct {
        const char* name;
        Render render;
        bool page;
    } cases[] = {
        {"hop_after_new", hopRender(hopAfterNew, ""), true}, // never saved: no row 52
        {"hop_space_diversity", hopRender(hopSpaceDiversity, "LINK7.HOP"), true},
        {"hop_frequency_diversity", hopRender(hopFrequencyDiversity, "FD-HOP1.HOP"), true},
        {"hop_typed_feeder_loss", hopRender(hopTypedFeederLoss, "TYPED.HOP"), true},
        {"route_one_hop", routeRender(routeOneHop), true},
        {"route_two_hops_one_rain", routeRender(routeTwoHopsOneRain), false},
        {"route_twenty_hops", routeRender(routeTwentyHops), true},
    };
    for (const auto& c : cases) {
        for (const ReportLanguage language : kLanguages) {
            for (const std::string_view form : {"txt", "tsv", "page"}) {
                if (form == "page" && !c.page) {
                    continue;
                }
                const std::string name = std::string(c.name) +
                                         (language == ReportLanguage::English ? "_en." : "_fr.") +
                                         std::string(form);
                SCOPED_TRACE(name);
                expectGolden(name, c.render(language, form));
            }
        }
    }
}

std::string text(const HopState& hop, ReportLanguage language = ReportLanguage::English,
                 std::string_view hopFileName = "LINK7.HOP") {
    return buildHopTextReport(hop, reportLibrary(), language, hopFileName, kDateStamp);
}

TEST(ExponentText, WritesASignAndThreeExponentDigits) {
    EXPECT_EQ(exponentText(1.5e-6, 2, 5), "1.50E-006");
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
    std::string blankRun;
    for (int i = 0; i < 13; ++i) {
        blankRun += "\r\n";
    }
    EXPECT_TRUE(contains(text(hop), "   %\r\n" + blankRun + "<LINK7.HOP>\r\n"));
    RecordingPrintDevice page(kLineHeight, kCharWidth);
    drawHopReportPage(page, hop, reportLibrary(), ReportLanguage::English, "LINK7.HOP", kDateStamp);
    EXPECT_EQ(*yOf(page, "<LINK7.HOP>"), *yOf(page, " Annual unavailability") + 14 * kLineHeight);
}

TEST(HopReportText, ShowsWhatIsStoredEvenWhenItIsStale) {
    HopState hop = calculatedHop();
    hop.record.hopLengthKm = 99.0; // changed after the last calculation
    EXPECT_TRUE(contains(text(hop), "Hop length             99.0 km\r\n"));
    EXPECT_TRUE(contains(text(hop), "Lo     142.6 dB\r\n"));
}

} // namespace
} // namespace korvel
