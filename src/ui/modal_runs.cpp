#include "ui/modal_runs.h"

#include <algorithm>
#include <utility>

namespace korvel {

void ModalRuns::closed() {
    if (--open_ > 0) {
        return;
    }
    for (const Command command : std::exchange(held_, {})) {
        window_.postCommand(command);
    }
}

DialogView* CountedDialogHost::openModeless(DialogId dialog, DialogEvents& presenter) {
    DialogView* view = host_.openModeless(dialog, presenter);
    if (view != nullptr) {
        modeless_.push_back(view);
        runs_.opened();
    }
    return view;
}

void CountedDialogHost::closeModeless(DialogView& view) {
    const auto open = std::find(modeless_.begin(), modeless_.end(), &view);
    host_.closeModeless(view);
    if (open != modeless_.end()) {
        modeless_.erase(open);
        runs_.closed();
    }
}

} // namespace korvel
