#include "ui/old_files_dialog.h"

namespace korvel {

namespace {

constexpr int kContinued = 1;

class OldFilesDialog final : public DialogEvents {
  public:
    explicit OldFilesDialog(RouteState& route) : route_(route) {}

    void opened(DialogView& view) {
        view_ = &view;
        route_.overwriteRadioData = true;
        route_.overwriteBasicData = true;
        view.setChecked(kRadioDataTick, true);
        view.setChecked(kBasicDataTick, true);
        view.setFocus(kContinueButton);
    }

    void onCommand(ControlId control) override {
        switch (control) {
        case kRadioDataTick:
            toggle(kRadioDataTick, route_.overwriteRadioData);
            break;
        case kBasicDataTick:
            toggle(kBasicDataTick, route_.overwriteBasicData);
            break;
        case kContinueButton:
            view_->endDialog(kContinued);
            break;
        case kOldFilesCancelButton:
        case kCancelButton:
            view_->endDialog(0);
            break;
        default:
            break;
        }
    }

  private:
    void toggle(ControlId tick, bool& flag) {
        flag = !flag;
        view_->setChecked(tick, flag);
    }

    RouteState& route_;
    DialogView* view_ = nullptr;
};

} // namespace

bool runOldFilesDialog(DialogHost& dialogs, RouteState& route) {
    OldFilesDialog dialog(route);
    const int result = dialogs.runModal(DialogId::OldFiles, dialog,
                                        [&](DialogView& view) { dialog.opened(view); });
    if (result != kContinued) {
        route.overwriteRadioData = false;
        route.overwriteBasicData = false;
        return false;
    }
    return true;
}

} // namespace korvel
