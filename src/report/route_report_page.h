#pragma once
// The route outage table on a printed page: each line one text run at 3 character widths from the
// left, at fixed line positions counted in line heights from the top.

#include <string_view>

#include "report/report_kind.h"

namespace korvel {

class PrintDevice;
struct RouteState;

void drawRouteReportPage(PrintDevice& device, const RouteState& route, ReportLanguage language,
                         std::string_view libraryIdentification, std::string_view dateStamp);

} // namespace korvel
