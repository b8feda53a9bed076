#pragma once
// The section "Current ITU-R methods" that follows the classic hop report when the planner asks
// for it: a column per method (classic, P.530-17, P.530-18), a row per input and figure, then
// where each input came from and what each method noted. In English or French, as plain text,
// tab-delimited text or a printed page of its own. Windows-1252 like the rest of the report.

#include <span>
#include <string>
#include <string_view>

#include "itu/method_result.h"
#include "report/report_kind.h"
#include "report/report_text.h"

namespace korvel {

class PrintDevice;

using MethodColumns = std::span<const itu::MethodResult* const>;

// Appended after the plain text report.
void addMethodsSectionText(ReportText& text, MethodColumns columns, ReportLanguage language);
// Appended after the tab-delimited report.
void addMethodsSectionDelimited(ReportText& text, MethodColumns columns, ReportLanguage language);
// Drawn from the top of the page the print job has started, at the hop report's origin.
void drawMethodsSectionPage(PrintDevice& device, MethodColumns columns, ReportLanguage language);

} // namespace korvel
