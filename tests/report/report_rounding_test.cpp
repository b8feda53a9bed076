// Reports round as the pages do: an exact tie goes away from zero in every form.

#include "report/hop_report.h"
#include "report/hop_report_page.h"
#include "report_fixtures.h"

namespace korvel::report_test {
namespace {

// Mended: a feeder loss of exactly 2.25 dB showed as 2.3 on the Form page and as 2.2 in every
// report (the C library's ties-to-even).
TEST(ReportRounding, AFeederLossOfExactly225ShowsAs23InEveryForm) {
    HopState hop = hopSpaceDiversity();
    hop.results.Lc1 = 2.25;
    hop.results.Lc2 = -2.25;
    const EquipmentLibrary library = reportLibrary();
    const auto english = ReportLanguage::English;
    const std::string text = buildHopTextReport(hop, library, english, "LINK7.HOP", kDateStamp);
    EXPECT_NE(text.find("Lc1      2.3 dB"), std::string::npos) << text;
    EXPECT_NE(text.find("Lc2     -2.3 dB"), std::string::npos) << text;
    const std::string tabs =
        buildHopDelimitedReport(hop, library, english, "LINK7.HOP", kDateStamp);
    EXPECT_NE(tabs.find("Lc1\t  2.3\tdB"), std::string::npos) << tabs;
    RecordingPrintDevice page(kLineHeight, kCharWidth);
    drawHopReportPage(page, hop, library, english, "LINK7.HOP", kDateStamp);
    EXPECT_NE(dump(page).find("Lc1            2.3 dB"), std::string::npos) << dump(page);
}

} // namespace
} // namespace korvel::report_test
