#pragma once
// Stands between the page showing and its view: every value the planner changes there counts for
// the modified mark, and the mark follows each event once the page has handled it (a step, a
// Calculate or an applied profile changes the hop itself). On a page that stores its values
// only when it leaves, the results' freshness follows each edit too, in the results window and
// the open charts alike.

#include "ui/hop_charts.h"
#include "ui/page.h"
#include "ui/results_shown.h"
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
        afterEvent();
    }
    void onSelectionChanged(ControlId list) override {
        if (page_ != nullptr) {
            page_->onSelectionChanged(list);
        }
        afterEvent();
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
        afterEvent();
    }

  private:
    void afterEvent() {
        if (page_ != nullptr) {
            if (const std::optional<HopState> held = page_->heldHop()) {
                showResultsFreshness(session_.resultsDisplay(), *held);
                followEditInHopCharts(session_.hopCharts(), *held);
            }
        }
        session_.updateStatus();
    }

    Session& session_;
    Page* page_ = nullptr;
};

} // namespace korvel
