// Reports as PDF: the pages fit the printable area, the file is well-formed, and the text a PDF
// reader finds on the page matches its golden file.

#include <vector>

#include "report/hop_report.h"
#include "report/hop_report_page.h"
#include "report/methods_section.h"
#include "report/pdf_print_device.h"
#include "report/route_report.h"
#include "report/route_report_page.h"
#include "report_fixtures.h"

namespace korvel::report_test {
namespace {

// Every text field at its longest: the widest lines the page writers can draw from them.
HopState longestTexts(HopState hop) {
    const std::string longest(100, 'X');
    hop.record.station1Name.assign(longest);
    hop.record.station2Name.assign(longest);
    hop.record.info.assign(longest);
    hop.record.radioName.assign(longest);
    return hop;
}

TEST(PdfPage, LongestHopAndRoutePagesFitThePrintableArea) {
    const PdfPrintDevice pdf;
    RouteState route = routeTwentyHops(); // with the rain column
    route.record.fileName.assign(std::string(100, 'F'));
    route.record.info.assign(std::string(100, 'I'));
    const auto methods = reportMethodColumns();
    for (const ReportLanguage language : kLanguages) {
        std::vector pages(5, RecordingPrintDevice(pdf.lineHeight(), pdf.averageCharWidth()));
        const auto drawHop = [&](RecordingPrintDevice& page, HopState (*make)()) {
            drawHopReportPage(page, longestTexts(make()), reportLibrary(), language,
                              std::string(60, 'H'), kDateStamp);
        };
        drawHop(pages[0], hopSpaceDiversity);
        drawHop(pages[1], hopFrequencyDiversity);
        drawHop(pages[2], hopTypedFeederLoss);
        drawRouteReportPage(pages[3], route, language, kLibraryId, kDateStamp);
        drawMethodsSectionPage(pages[4], columnsOf(methods), language); // notes wrapped
        for (const RecordingPrintDevice& page : pages) {
            for (const TextRun& run : page.runs()) {
                const int right =
                    run.x + static_cast<int>(run.text.size()) * pdf.averageCharWidth();
                EXPECT_LE(right, PdfPrintDevice::kPrintableWidth) << run.text;
                EXPECT_LE(run.y + pdf.lineHeight(), PdfPrintDevice::kPrintableHeight) << run.text;
            }
        }
    }
}

std::size_t numberAfter(const std::string& pdf, std::string_view key) {
    const std::size_t at = pdf.find(key);
    return at == std::string::npos ? 0 : std::stoul(pdf.substr(at + key.size()));
}

TEST(PdfDocument, CrossReferencesPointAtTheirObjectsAndTextIsEscaped) {
    PdfPrintDevice device;
    device.text(0, 0, "(a) \\ \xE9\x80\t");
    for (const std::size_t pages : {1u, 2u}) { // a second page adds objects 7 and 8
        if (pages == 2) {
            device.startNextPage();
            device.text(0, 0, "page 2");
        }
        const std::string pdf = device.document();
        EXPECT_TRUE(contains(pdf, "(\\(a\\) \\\\ \\351\\200\\011) Tj\n")) << pdf;
        EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n") && pdf.ends_with("\n%%EOF\n"));
        const std::size_t objects = 4 + 2 * pages;
        const std::size_t xref = numberAfter(pdf, "startxref\n");
        const std::string head = "xref\n0 " + std::to_string(objects + 1) + "\n";
        ASSERT_EQ(pdf.compare(xref, head.size(), head), 0) << pdf;
        EXPECT_TRUE(contains(pdf, "/Count " + std::to_string(pages) + " >>"));
        for (std::size_t object = 1; object <= objects; ++object) {
            const std::size_t offset = std::stoul(pdf.substr(xref + head.size() + object * 20, 10));
            const std::string start = std::to_string(object) + " 0 obj\n";
            EXPECT_EQ(pdf.compare(offset, start.size(), start), 0) << object;
        }
        for (std::size_t at = pdf.find("/Length "); at != std::string::npos;
             at = pdf.find("/Length ", at + 1)) {
            const std::size_t stream = pdf.find("stream\n", at) + 7;
            EXPECT_EQ(pdf.compare(stream + std::stoul(pdf.substr(at + 8)), 10, "endstream\n"), 0);
        }
        EXPECT_EQ(device.document(), pdf); // nothing that changes from run to run
    }
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
        {"after_new", test::hopAfterNew, ""},
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
