#include "report/hop_report.h"

#include "report/hop_report_page.h"
#include "report/pdf_print_device.h"

namespace korvel {

std::string buildHopReport(ReportForm form, const HopState& hop, const EquipmentLibrary& library,
                           ReportLanguage language, std::string_view hopFileName,
                           std::string_view dateStamp, MethodColumns methods) {
    if (form == ReportForm::Pdf) {
        PdfPrintDevice page;
        drawHopReportPage(page, hop, library, language, hopFileName, dateStamp);
        if (!methods.empty()) {
            page.startNextPage();
            drawMethodsSectionPage(page, methods, language);
        }
        return page.document();
    }
    const bool delimited = form == ReportForm::Delimited;
    std::string report =
        delimited ? buildHopDelimitedReport(hop, library, language, hopFileName, dateStamp)
                  : buildHopTextReport(hop, library, language, hopFileName, dateStamp);
    if (!methods.empty()) {
        ReportText section;
        if (delimited) {
            addMethodsSectionDelimited(section, methods, language);
        } else {
            addMethodsSectionText(section, methods, language);
        }
        report += section.withCrLf();
    }
    return report;
}

} // namespace korvel
