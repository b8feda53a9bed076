#pragma once
// Stands between the page showing and its view: every value the planner changes there counts for
// the modified mark, and the mark follows each event once the page has handled it (a step, a
// Calculate or an applied profile changes the hop itself).

#include "ui/page.h"
#include "ui/route_screen_page.h"
#include "ui/session.h"

namespace korvel {

class PageEditWatch final : public DialogEvents {
  public:
    explicit PageEditWatch(Session& session) : session_(session) {}

    // The page whose events pass through; nullptr while none shows.
    void watch(Page* page) { page_ = page; }
    [[nodiscard]] Page* watched() const { return page_; }

    void onCommand(ControlId control) override {
        if (page_ != nullptr) {
            page_->onCommand(control);
        }
        session_.updateStatus();
    }
    void onSelectionChanged(ControlId list) override {
        if (page_ != nullptr) {
            page_->onSelectionChanged(list);
        }
        session_.updateStatus();
    }
    void onEdited(ControlId control) override {
        // The hop HopCalc takes is picked, not kept: the route stays as it was.
        const bool pickingHop =
            session_.app.currentPageId == kRouteScreenId && control == kDefinedHopsList;
        if (!pickingHop) {
            session_.noteEdit();
        }
        if (page_ != nullptr) {
            page_->onEdited(control);
        }
        session_.updateStatus();
    }

  private:
    Session& session_;
    Page* page_ = nullptr;
};

} // namespace korvel
