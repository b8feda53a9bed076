#include "ui/about_box.h"

#include <string>

#include "ui/session.h"

namespace korvel {

namespace {

class AboutBox final : public DialogEvents {
  public:
    void opened(DialogView& view) { view_ = &view; }
    void onCommand(ControlId control) override { view_->endDialog(control); }

  private:
    DialogView* view_ = nullptr;
};

} // namespace

void runAboutBox(Session& session) {
    AboutBox box;
    const std::string line = "Current library: " + session.library.identification.str();
    session.ports.dialogs.runModal(DialogId::About, box, [&](DialogView& view) {
        box.opened(view);
        view.setElidedInMiddle(kLibraryLineLabel);
        view.setText(kLibraryLineLabel, line);
        view.setText(kVersionLineLabel, std::string("Version ") + KORVEL_VERSION);
    });
}

} // namespace korvel
