#pragma once
// The print options dialog: which report (the hop or the route), in which language, and where it
// goes: the printer, a text file, a tab-delimited text file or a PDF file of the printed page. A
// file is written while the dialog is open, so that a failure keeps the user in it; printing starts
// after it has closed.

#include <optional>

#include "platform/dialog_view.h"
#include "report/report_kind.h"

namespace korvel {

class Session;

inline constexpr ControlId kFolderLabel = 1603;
inline constexpr ControlId kTextFileField = 1604;
inline constexpr ControlId kEnglishButton = 1605;
inline constexpr ControlId kFrenchButton = 1606;
inline constexpr ControlId kRouteReportButton = 1607;
inline constexpr ControlId kHopReportButton = 1608;
inline constexpr ControlId kDelimitedFileField = 1617;
inline constexpr ControlId kPrinterButton = 1618;
inline constexpr ControlId kTextFileButton = 1619;
inline constexpr ControlId kDelimitedFileButton = 1620;
inline constexpr ControlId kPdfFileButton = 1621;
inline constexpr ControlId kPdfFileField = 1622;
inline constexpr ControlId kMethodsSectionCheck = 1623; // "Current ITU-R methods" after the hop

enum class ReportSubject { Hop, Route };

// The report the printer is to print.
struct PrintRequest {
    ReportSubject subject = ReportSubject::Hop;
    ReportLanguage language = ReportLanguage::English;
    bool withMethods = false; // the hop report followed by the section of the current methods
};

// Runs the dialog over the main window. The report to print when the printer was chosen; nothing
// when a file was written or the dialog was cancelled. The file names stay in the application
// state.
std::optional<PrintRequest> runPrintOptionsDialog(Session& session);

} // namespace korvel
