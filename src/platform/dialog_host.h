#pragma once
// The DialogHost port: makes pages and runs modal dialogs. The presenter is the view's subscriber
// for as long as the view lives.

#include <functional>

#include "platform/dialog_view.h"

namespace korvel {

// The forms of the program, numbered as the dialog templates they stand for; each is registered
// in ui/form_registry.cpp.
enum class DialogId {
    About = 1,
    StartPanel = 2,
    RadioPage = 3,
    BasicsPage = 6,
    FormNoDiversity = 7,
    ListDialog = 10,
    FormSpaceDiversity = 12,
    FormFrequencyDiversity = 13,
    RouteScreen = 18,
    HopBox = 19,
    HopsList = 20,
    AbortPrint = 24,
    // Forms without a template number of their own.
    OtherRadio = 101,
    PtxDialog = 102,
    PrxthDialog = 103,
    RainDialog = 104,
    SelectionList = 105,
    OldFiles = 106,
    PrintOptions = 107,
    ClimateMaps = 108,
    Sites = 109,
};

class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // Creates the page inside the main window and shows it; the previous page must have been
    // destroyed. nullptr when the page cannot be made. The view stays valid until destroyPage().
    virtual DialogView* createPage(DialogId page, DialogEvents& presenter) = 0;
    virtual void destroyPage() = 0;
    // Runs a modal dialog over the main window. `opened` fills the view before the user sees it;
    // the answer is the result given to DialogView::endDialog, or 2 when the dialog was closed.
    virtual int runModal(DialogId dialog, DialogEvents& presenter,
                         const std::function<void(DialogView&)>& opened) = 0;
    // Opens a modeless dialog over the main window and shows it at once; it stays open, taking
    // input only while events are passed to it, until closeModeless. nullptr when it cannot be
    // made.
    virtual DialogView* openModeless(DialogId dialog, DialogEvents& presenter) = 0;
    virtual void closeModeless(DialogView& view) = 0;
};

} // namespace korvel
