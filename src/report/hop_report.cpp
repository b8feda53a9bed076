#include "report/hop_report.h"

#include "report/hop_report_page.h"
#include "report/pdf_print_device.h"

namespace korvel {

std::string buildHopReport(ReportForm form, const HopState& hop, const EquipmentLibrary& library,
                           ReportLanguage language, std::string_view hopFileName,
                           std::string_view dateStamp) {
    if (form == ReportForm::Delimited) {
        return buildHopDelimitedReport(hop, library, language, hopFileName, dateStamp);
    }
    if (form == ReportForm::Pdf) {
        PdfPrintDevice page;
        drawHopReportPage(page, hop, library, language, hopFileName, dateStamp);
        return page.document();
    }
    return buildHopTextReport(hop, library, language, hopFileName, dateStamp);
}

} // namespace korvel
