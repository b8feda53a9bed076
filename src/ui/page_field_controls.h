#pragma once
// Which control of a page shows which of the page's fields: a refusal or a note names the field,
// the page puts the focus on its control.

#include <span>

#include "hopfile/page_rules.h"
#include "platform/dialog_view.h"

namespace korvel {

struct PageFieldControl {
    PageField field;
    ControlId control;
};

// A page's column of controls, and the control that takes the focus for a field none shows.
struct PageControls {
    std::span<const PageFieldControl> controls;
    ControlId fallback = 0;

    [[nodiscard]] constexpr ControlId of(PageField field) const {
        for (const PageFieldControl& entry : controls) {
            if (entry.field == field) {
                return entry.control;
            }
        }
        return fallback;
    }
};

} // namespace korvel
