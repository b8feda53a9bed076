#include "ui/list_dialog.h"

#include <cstddef>

namespace korvel {

namespace {

class ListDialog final : public DialogEvents {
  public:
    void opened(DialogView& view) { view_ = &view; }
    void onCommand(ControlId control) override {
        if (control == kOkButton) {
            view_->endDialog(1);
        } else if (control == kCancelButton) {
            view_->endDialog(0);
        }
    }

  private:
    DialogView* view_ = nullptr;
};

} // namespace

bool runListDialog(DialogHost& dialogs, std::string_view title, std::string_view heading,
                   std::span<const std::string_view> names, bool okEnabled) {
    ListDialog dialog;
    const int result = dialogs.runModal(DialogId::ListDialog, dialog, [&](DialogView& view) {
        dialog.opened(view);
        view.setTitle(title);
        view.setText(kListHeadingLabel, heading);
        for (int i = 0; i < kListShownNames; ++i) {
            const auto index = static_cast<std::size_t>(i);
            const std::string_view name =
                index < names.size() ? names[index].substr(0, kListNameLength) : "";
            view.setText(kListFirstNameLabel + i, name);
        }
        view.setEnabled(kOkButton, okEnabled);
        view.setFocus(kCancelButton);
    });
    return result == 1;
}

} // namespace korvel
