#pragma once
// The route outage table as a file: the hops with their stations, length, outage and, when any
// hop has one, rain unavailability; then the route total, objective and design margin. English or
// French, plain text or tab-delimited text (Windows-1252 bytes, every line ended by "\r\n") or the
// printed page in PDF.

#include <string>
#include <string_view>

#include "report/report_kind.h"

namespace korvel {

struct RouteState;

// libraryIdentification: the equipment library's identification text (Windows-1252).
// dateStamp: see formatDateStamp.
std::string buildRouteReport(ReportForm form, const RouteState& route, ReportLanguage language,
                             std::string_view libraryIdentification, std::string_view dateStamp);

} // namespace korvel
