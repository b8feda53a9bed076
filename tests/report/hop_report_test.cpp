// Row conditions of the hop report that the golden files do not each show.

#include <gtest/gtest.h>

#include <string>

#include "report/hop_report.h"
#include "report/report_text.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

std::string text(const HopState& hop, ReportLanguage language = ReportLanguage::English,
                 std::string_view hopFileName = "LINK7.HOP") {
    return buildHopTextReport(hop, reportLibrary(), language, hopFileName, kDateStamp);
}

bool contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

// The line that starts with prefix, without its line end; empty when there is none.
std::string lineStartingWith(const std::string& report, std::string_view prefix) {
    const std::size_t at = report.find(std::string("\r\n") + std::string(prefix));
    if (at == std::string::npos) {
        return {};
    }
    return report.substr(at + 2, report.find("\r\n", at + 2) - at - 2);
}

TEST(ExponentText, WritesThreeExponentDigitsWithSign) {
    EXPECT_EQ(exponentText(1.5e-6, 2, 5), "1.50E-006");
    EXPECT_EQ(exponentText(2.345e-5, 3, 5), "2.345E-005");
    EXPECT_EQ(exponentText(0.0, 2, 5), "0.00E+000");
    EXPECT_EQ(exponentText(-4.0e12, 2, 5), "-4.00E+012");
    EXPECT_EQ(exponentText(1.0e100, 2, 5), "1.00E+100");
    EXPECT_EQ(exponentText(1.0e-5, 1, 12), "    1.0E-005");
}

TEST(HopReportText, EveryLineEndsWithCarriageReturnAndLineFeed) {
    for (const HopState& hop : {hopAfterNew(), hopSpaceDiversity(), hopFrequencyDiversity()}) {
        for (ReportForm form : {ReportForm::Text, ReportForm::Delimited}) {
            const std::string report = buildHopReport(form, hop, reportLibrary(),
                                                      ReportLanguage::French, "A.HOP", kDateStamp);
            ASSERT_FALSE(report.empty());
            EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
            for (std::size_t i = 0; i < report.size(); ++i) {
                if (report[i] == '\n') {
                    ASSERT_GT(i, 0U);
                    EXPECT_EQ(report[i - 1], '\r') << "at byte " << i;
                }
            }
        }
    }
}

TEST(HopReportText, HopFileNameOfOneCharacterIsLeftOut) {
    const HopState hop = calculatedHop();
    EXPECT_FALSE(contains(text(hop, ReportLanguage::English, "X"), "<X>"));
    EXPECT_TRUE(contains(text(hop, ReportLanguage::English, "XY"), "<XY>\r\n<Library: "));
}

TEST(HopReportText, AnyMethodOtherThanMethod1ReadsMethod2) {
    HopState hop = calculatedHop();
    hop.record.method = static_cast<Method>(0);
    EXPECT_TRUE(contains(text(hop), "MW 7.5-34 / ITU Rec 530 Method 2\r\n"));
    hop.record.method = Method::Method1;
    EXPECT_TRUE(
        contains(text(hop, ReportLanguage::French), "MW 7.5-34 / UIT Rec 530 M\xE8thode 1"));
}

TEST(HopReportText, UnknownChoicesFallToTheSecondWord) {
    HopState hop = hopFrequencyDiversity(); // rain data present, so the polarization shows
    hop.record.polarization = static_cast<Polarization>(7);
    hop.record.northSouth = static_cast<NorthSouth>(0);
    hop.record.eastWest = static_cast<EastWest>(0);
    const std::string report = text(hop);
    EXPECT_TRUE(contains(report, "  7.5 GHz horizontal\r\n"));
    EXPECT_TRUE(contains(report, "   62   S\r\n"));
    EXPECT_TRUE(contains(report, "   25   W\r\n"));
}

TEST(HopReportText, NegativeThresholdDegradationIsShownAndIncludedInTheThreshold) {
    const std::string report = text(hopFrequencyDiversity());
    EXPECT_TRUE(contains(report, "Prxth  -79.5 dBm\r\n"));
    EXPECT_TRUE(contains(report, "     Incl. threshold deg. Y  -1.5 dB\r\n\r\n"));
}

TEST(HopReportText, ZeroThresholdDegradationReplacesRow33) {
    const std::string report = text(calculatedHop());
    EXPECT_FALSE(contains(report, "threshold deg."));
    EXPECT_TRUE(contains(report, "     at BER 10 -3\r\n\r\n     Flat fading margin"));
}

TEST(HopReportText, FeederTypedAtEitherStationRemovesRow19FromBothFiles) {
    for (int station : {0, 1}) {
        HopState hop = calculatedHop();
        hop.selection.userFeederLoss[static_cast<std::size_t>(station)] = 1;
        for (ReportLanguage language : {ReportLanguage::English, ReportLanguage::French}) {
            EXPECT_FALSE(contains(text(hop, language), "ELLIPTIC"));
            EXPECT_FALSE(
                contains(buildHopDelimitedReport(hop, reportLibrary(), language, "", kDateStamp),
                         "ELLIPTIC"));
        }
    }
}

TEST(HopReportText, FeederNamesAreCutTo12InTheTextFileAndWholeInTheDelimitedFile) {
    const HopState hop = hopSpaceDiversity();
    EXPECT_TRUE(contains(text(hop), "ELLIPTIC EW-       EP127 RIGID \r\n"));
    EXPECT_TRUE(contains(
        buildHopDelimitedReport(hop, reportLibrary(), ReportLanguage::English, "", kDateStamp),
        "Feeder type\t\tELLIPTIC EW-77\t\tEP127 RIGID\r\n"));
}

TEST(HopReportText, FeederSelectionOutsideTheLibraryShowsNoNames) {
    HopState hop = calculatedHop();
    hop.selection.feederTable = 9;
    const std::string outsideTables = lineStartingWith(text(hop), "     Feeder type");
    ASSERT_FALSE(outsideTables.empty());
    EXPECT_EQ(outsideTables.find_first_not_of(' ', 16), std::string::npos) << outsideTables;
    hop.selection.feederTable = 1;
    hop.selection.feederIndex = {-1, 8};
    const std::string outsideTypes = lineStartingWith(text(hop), "     Feeder type");
    ASSERT_FALSE(outsideTypes.empty());
    EXPECT_EQ(outsideTypes.find_first_not_of(' ', 16), std::string::npos) << outsideTypes;
}

TEST(HopReportText, FrenchSpaceDiversityWritesRow45AndRow45aWithTheSameSpacing) {
    const std::string report = text(hopSpaceDiversity(), ReportLanguage::French);
    EXPECT_TRUE(contains(report, "     Distance de diversit\xE9              s    12.5 m\r\n"
                                 "     Separation verticale des antennes  s    12.5 m\r\n"));
    EXPECT_FALSE(contains(text(hopSpaceDiversity()), "Separation"));
}

TEST(HopReportText, NoDiversityEndsWithThirteenLineEndsBeforeTheFoot) {
    HopState hop = hopFrequencyDiversity(); // with rain, so row 39 is the last row written
    hop.record.diversityMode = DiversityMode::No;
    const std::string report = text(hop);
    std::string blankRun;
    for (int i = 0; i < 13; ++i) {
        blankRun += "\r\n";
    }
    EXPECT_TRUE(contains(report, "   %\r\n" + blankRun + "<LINK7.HOP>\r\n"));
    EXPECT_FALSE(contains(report, "   %\r\n" + blankRun + "\r\n"));
}

TEST(HopReportText, ReportShowsWhatIsStoredEvenWhenItIsStale) {
    HopState hop = calculatedHop();
    hop.record.hopLengthKm = 99.0; // changed after the last calculation
    EXPECT_TRUE(contains(text(hop), "Hop length             99.0 km\r\n"));
    EXPECT_TRUE(contains(text(hop), "Lo     142.6 dB\r\n"));
}

} // namespace
} // namespace korvel
