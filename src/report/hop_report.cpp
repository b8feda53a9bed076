#include "report/hop_report.h"

namespace korvel {

std::string buildHopReport(ReportForm form, const HopState& hop, const EquipmentLibrary& library,
                           ReportLanguage language, std::string_view hopFileName,
                           std::string_view dateStamp) {
    if (form == ReportForm::Delimited) {
        return buildHopDelimitedReport(hop, library, language, hopFileName, dateStamp);
    }
    return buildHopTextReport(hop, library, language, hopFileName, dateStamp);
}

} // namespace korvel
