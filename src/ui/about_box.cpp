#include "ui/about_box.h"

#include <string>

#include "library/equipment_library.h"
#include "platform/dialog_host.h"

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

void runAboutBox(DialogHost& dialogs, const EquipmentLibrary& library) {
    AboutBox box;
    const std::string line = "Current library: " + library.identification.str();
    dialogs.runModal(DialogId::About, box, [&](DialogView& view) {
        box.opened(view);
        view.setElidedInMiddle(kLibraryLineLabel);
        view.setText(kLibraryLineLabel, line);
        view.setText(kVersionLineLabel, std::string("Version ") + KORVEL_VERSION);
    });
}

} // namespace korvel
