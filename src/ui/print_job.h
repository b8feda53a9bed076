#pragma once
// The print job: the chosen report on the profile's printer, one page (the hop report with the
// current methods: a second page for them). The abort dialog is open while the pages are drawn
// and sent, and the program's other windows take no input meanwhile.

#include "platform/dialog_view.h"

namespace korvel {

class Session;
struct PrintRequest;

inline constexpr int kPrintDone = 0; // printed, or cancelled in the abort dialog
inline constexpr int kPrintFailed = -1;

// page: the current page, disabled with the main window and the results window (when open).
// Shows "Unable to start print job" when the document or its page cannot be started; a job that
// fails later, or a printer that cannot be opened, fails without a message of its own. A
// cancelled job is dropped: nothing reaches the printer.
int printReport(Session& session, DialogView* page, const PrintRequest& request);

} // namespace korvel
