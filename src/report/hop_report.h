#pragma once
// The hop performance report as a file: rows 1 to 53 of the hop's inputs and last results, in
// English or French, as plain text, tab-delimited text or the printed page in PDF. The builders
// return the file's bytes: Windows-1252 text, every line ended by "\r\n", or the PDF document.
// They read and never calculate.

#include <string>
#include <string_view>

#include "engine/hop_record.h"
#include "report/methods_section.h"
#include "report/report_kind.h"

namespace korvel {

struct EquipmentLibrary;

// hopFileName: the hop file last saved or opened, without its folder ("" while never saved).
// dateStamp: see formatDateStamp. methods: the columns of the section of the current methods
// that follows the report (on a page of its own when printed); none leaves the report as it was.
std::string buildHopReport(ReportForm form, const HopState& hop, const EquipmentLibrary& library,
                           ReportLanguage language, std::string_view hopFileName,
                           std::string_view dateStamp, MethodColumns methods = {});

std::string buildHopTextReport(const HopState& hop, const EquipmentLibrary& library,
                               ReportLanguage language, std::string_view hopFileName,
                               std::string_view dateStamp);
std::string buildHopDelimitedReport(const HopState& hop, const EquipmentLibrary& library,
                                    ReportLanguage language, std::string_view hopFileName,
                                    std::string_view dateStamp);

} // namespace korvel
