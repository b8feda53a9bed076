#include "ui/print_job.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/main_window_view.h"
#include "platform/printer.h"
#include "platform/profile.h"
#include "platform/text_encoding.h"
#include "report/hop_report_page.h"
#include "report/methods_section.h"
#include "report/printer_entry.h"
#include "report/route_report_page.h"
#include "ui/methods_table.h"
#include "ui/page.h"
#include "ui/print_options_dialog.h"
#include "ui/results_disabled.h"
#include "ui/results_shown.h"
#include "ui/session.h"

namespace korvel {

namespace {

constexpr std::string_view kDocumentName = "Korvel document";

// Any command from the abort dialog (Cancel, Escape) cancels the job.
class AbortDialog final : public DialogEvents {
  public:
    void onCommand(ControlId /*control*/) override { aborted = true; }

    bool aborted = false;
};

// The abort dialog is open, with the focus on Cancel, while this lives. A dialog that cannot be
// made leaves the job running without one.
class AbortDialogOpen {
  public:
    AbortDialogOpen(DialogHost& dialogs, AbortDialog& dialog)
        : dialogs_(dialogs), view_(dialogs.openModeless(DialogId::AbortPrint, dialog)) {
        if (view_ != nullptr) {
            view_->setFocus(kCancelButton);
        }
    }
    ~AbortDialogOpen() {
        if (view_ != nullptr) {
            dialogs_.closeModeless(*view_);
        }
    }
    AbortDialogOpen(const AbortDialogOpen&) = delete;
    AbortDialogOpen& operator=(const AbortDialogOpen&) = delete;

  private:
    DialogHost& dialogs_;
    DialogView* view_;
};

// The main window, the page and the results window (when open) take no input while this lives.
class OtherWindowsDisabled {
  public:
    OtherWindowsDisabled(Session& session, DialogView* page)
        : window_(session.ports.window), page_(page),
          results_(session.resultsWindow != nullptr && session.resultsWindow->isOpen()
                       ? session.resultsWindow
                       : nullptr) {
        window_.setEnabled(false);
    }
    ~OtherWindowsDisabled() { window_.setEnabled(true); }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

  private:
    MainWindowView& window_;
    const PageDisabled page_;
    const ResultsDisabled results_;
};

// False when the page of the methods could not be started.
bool drawReport(Session& session, PrintJob& job, const PrintRequest& request,
                const std::optional<MethodColumns3>& methods) {
    const std::string date = session.reportDateStamp();
    if (request.subject == ReportSubject::Route) {
        drawRouteReportPage(job, session.route, request.language,
                            session.library.identification.view(), date);
        return true;
    }
    drawHopReportPage(job, session.hop, session.library, request.language,
                      pathToCp1252(session.app.currentHopFileName), date);
    if (!methods) {
        return true;
    }
    if (!job.endPage() || !job.startPage()) {
        return false;
    }
    drawMethodsSectionPage(job, columnPointers(*methods), request.language);
    return true;
}

int startFailed(Messages& messages) {
    messages.show("Unable to start print job", "Error", MessageIcon::Question, MessageButtons::Ok);
    return kPrintFailed;
}

} // namespace

int printReport(Session& session, DialogView* page, const PrintRequest& request) {
    // The report prints the hop's own results, or none: never those of other data.
    bringResultsUpToDate(session.hop, session.library, session.resultsDisplay());
    // Worked out before the job starts: opening the climate maps may have something to say.
    std::optional<MethodColumns3> methods;
    if (request.withMethods && request.subject == ReportSubject::Hop) {
        methods = hopMethodColumns(session.hop, session.methodSources());
    }
    const std::unique_ptr<PrintJob> job =
        session.ports.printers.open(profilePrinter(session.ports.profile));
    if (!job) {
        return kPrintFailed;
    }
    AbortDialog abortDialog;
    job->setAbortCheck([&abortDialog] { return abortDialog.aborted; });
    if (!job->startDocument(kDocumentName)) {
        return startFailed(session.ports.messages);
    }
    if (!job->startPage()) {
        job->abortDocument();
        return startFailed(session.ports.messages);
    }
    bool sent = false;
    {
        const AbortDialogOpen abortDialogOpen(session.ports.dialogs, abortDialog);
        const OtherWindowsDisabled disabled(session, page);
        const bool drawn = drawReport(session, *job, request, methods);
        // A page that failed, or a job the user cancelled, is dropped rather than sent half-made.
        const bool pageEnded = drawn && job->endPage();
        if (pageEnded && !abortDialog.aborted) {
            sent = job->endDocument();
        } else {
            job->abortDocument();
        }
    }
    return sent || abortDialog.aborted ? kPrintDone : kPrintFailed;
}

} // namespace korvel
