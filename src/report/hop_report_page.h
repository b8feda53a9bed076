#pragma once
// The hop performance report on a printed page: the rows of the report file drawn as text runs,
// starting 6 character widths from the left and 2 line heights from the top of the page.

#include <string_view>

#include "engine/hop_record.h"
#include "report/report_kind.h"

namespace korvel {

class PrintDevice;
struct EquipmentLibrary;

// hopFileName: the hop file last saved or opened ("" while never saved); dateStamp: see
// formatDateStamp. Draws on the page the print job has started; one page, no page break.
void drawHopReportPage(PrintDevice& device, const HopState& hop, const EquipmentLibrary& library,
                       ReportLanguage language, std::string_view hopFileName,
                       std::string_view dateStamp);

} // namespace korvel
