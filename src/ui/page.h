#pragma once
// A page of the main window: the start panel, the Radio and Basics pages and those to come. The
// shell makes one page at a time; the page fills its view when it opens and answers the shell's
// leave request (command 1999) by clearing pageAccepted when its fields are not acceptable.

#include <optional>

#include "engine/hop_record.h"
#include "platform/dialog_host.h"
#include "platform/dialog_view.h"
#include "platform/main_window_view.h"

namespace korvel {

inline constexpr ControlId kLeavePageCommand = static_cast<ControlId>(Command::LeavePage);

class Page : public DialogEvents {
  public:
    [[nodiscard]] virtual DialogId form() const = 0;
    // The view has been made and stays valid until the page is destroyed.
    virtual void open(DialogView& view) = 0;
    // Save's check of the fields; pages without a check of their own answer the leave request.
    virtual void onSaveCheck() { onCommand(kLeavePageCommand); }
    // Saving the route: the route screen and the hop box take what they show into the route,
    // checked as HopCalc checks it; false when refused (said, the focus on the field).
    virtual bool takeIntoRoute() { return true; }
    // The hop with what the page holds and has not stored yet, for pages whose edits wait for
    // the leave request; none for the others.
    [[nodiscard]] virtual std::optional<HopState> heldHop() const { return std::nullopt; }
};

// Keeps a page (when there is one) disabled while a modal dialog runs over it.
class PageDisabled {
  public:
    explicit PageDisabled(DialogView* page) : page_(page) {
        if (page_ != nullptr) {
            page_->setWindowEnabled(false);
        }
    }
    ~PageDisabled() {
        if (page_ != nullptr) {
            page_->setWindowEnabled(true);
        }
    }
    PageDisabled(const PageDisabled&) = delete;
    PageDisabled& operator=(const PageDisabled&) = delete;

  private:
    DialogView* page_;
};

} // namespace korvel
