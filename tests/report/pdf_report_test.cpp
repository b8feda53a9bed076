// Reports as PDF: the pages fit the printable area, the file is well-formed, and the text a PDF
// reader finds on the page matches its golden file.

#include <algorithm>

#include "report/hop_report.h"
#include "report/hop_report_page.h"
#include "report/pdf_print_device.h"
#include "report/route_report.h"
#include "report/route_report_page.h"
#include "report_fixtures.h"

namespace korvel::report_test {
namespace {

// Every text field at its longest: the widest lines the page writers can draw from them.
HopState longestTexts(HopState hop) {
    HopRecord& r = hop.record;
    for (auto* text : {&r.station1Name, &r.station2Name}) {
        text->assign(std::string(100, 'S'));
    }
    r.info.assign(std::string(100, 'I'));
    r.radioName.assign(std::string(100, 'R'));
    return hop;
}

RouteState longestRoute() {
    RouteState route = routeTwentyHops(); // with the rain column
    route.record.fileName.assign(std::string(100, 'F'));
    route.record.info.assign(std::string(100, 'I'));
    return route;
}

struct PageExtent {
    int right = 0; // device units
    int bottom = 0;
};

PageExtent extentOf(const RecordingPrintDevice& page) {
    PageExtent extent;
    for (const TextRun& run : page.runs()) {
        extent.right = std::max(extent.right, run.x + static_cast<int>(run.text.size()) *
                                                          page.averageCharWidth());
        extent.bottom = std::max(extent.bottom, run.y + page.lineHeight());
    }
    return extent;
}

TEST(PdfPage, LongestHopAndRoutePagesFitThePrintableArea) {
    const PdfPrintDevice pdf;
    const std::string hopFileName(60, 'H');
    for (const ReportLanguage language : kLanguages) {
        for (const auto make : {hopSpaceDiversity, hopFrequencyDiversity, hopTypedFeederLoss}) {
            RecordingPrintDevice page(pdf.lineHeight(), pdf.averageCharWidth());
            drawHopReportPage(page, longestTexts(make()), reportLibrary(), language, hopFileName,
                              kDateStamp);
            const PageExtent extent = extentOf(page);
            EXPECT_LE(extent.right, PdfPrintDevice::kPrintableWidth) << dump(page);
            EXPECT_LE(extent.bottom, PdfPrintDevice::kPrintableHeight) << dump(page);
        }
        RecordingPrintDevice page(pdf.lineHeight(), pdf.averageCharWidth());
        drawRouteReportPage(page, longestRoute(), language, kLibraryId, kDateStamp);
        const PageExtent extent = extentOf(page);
        EXPECT_LE(extent.right, PdfPrintDevice::kPrintableWidth) << dump(page);
        EXPECT_LE(extent.bottom, PdfPrintDevice::kPrintableHeight) << dump(page);
    }
}

std::size_t numberAfter(const std::string& pdf, std::string_view key) {
    const std::size_t at = pdf.find(key);
    return at == std::string::npos ? 0 : std::stoul(pdf.substr(at + key.size()));
}

TEST(PdfDocument, CrossReferencesPointAtTheirObjectsAndTextIsEscaped) {
    PdfPrintDevice device;
    device.text(0, 0, "(a) \\ \xE9\x80\t");
    const std::string pdf = device.document();
    EXPECT_TRUE(contains(pdf, "(\\(a\\) \\\\ \\351\\200\\011) Tj\n")) << pdf;
    EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n") && pdf.ends_with("\n%%EOF\n"));

    const std::size_t xref = numberAfter(pdf, "startxref\n");
    ASSERT_EQ(pdf.compare(xref, 9, "xref\n0 7\n"), 0) << pdf;
    EXPECT_TRUE(contains(pdf, "trailer\n<< /Size 7 "));
    for (std::size_t object = 1; object < 7; ++object) {
        const std::size_t offset = std::stoul(pdf.substr(xref + 9 + object * 20, 10));
        const std::string head = std::to_string(object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, head.size(), head), 0) << object;
    }
    const std::size_t stream = pdf.find("stream\n") + 7;
    EXPECT_EQ(pdf.compare(stream + numberAfter(pdf, "/Length "), 10, "endstream\n"), 0);
    EXPECT_EQ(device.document(), pdf); // nothing that changes from run to run
}

// The text pdftotext reads from the PDF, its columns at Courier's pitch of 5.4 points.
std::string pdfText(const std::string& pdf) {
    const test::TempFolder folder;
    test::writeFile(folder / "page.pdf", pdf);
    const std::string command = "pdftotext -layout -fixed 5.4 '" + (folder / "page.pdf").string() +
                                "' '" + (folder / "page.txt").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "pdftotext (poppler-utils) is needed";
    return test::readFileText(folder / "page.txt");
}

TEST(PdfGolden, TextOfEveryHopAndOfTheTwentyHopRouteMatchesItsGoldenFile) {
    const std::tuple<const char*, HopState (*)(), const char*> hops[] = {
        {"after_new", hopAfterNew, ""},
        {"space_diversity", hopSpaceDiversity, "LINK7.HOP"},
        {"frequency_diversity", hopFrequencyDiversity, "FD-HOP1.HOP"},
        {"typed_feeder_loss", hopTypedFeederLoss, "TYPED.HOP"}};
    for (const ReportLanguage language : kLanguages) {
        const std::string tag = language == ReportLanguage::English ? "_en.pdf.txt" : "_fr.pdf.txt";
        for (const auto& [name, make, hopFileName] : hops) {
            expectGolden(std::string("hop_") + name + tag,
                         pdfText(buildHopReport(ReportForm::Pdf, make(), reportLibrary(), language,
                                                hopFileName, kDateStamp)));
        }
        expectGolden("route_twenty_hops" + tag,
                     pdfText(buildRouteReport(ReportForm::Pdf, routeTwentyHops(), language,
                                              kLibraryId, kDateStamp)));
    }
}

} // namespace
} // namespace korvel::report_test
