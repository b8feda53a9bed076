#pragma once
// Which control of a page shows which of the page's fields: a refusal names the field, the page
// puts the focus on its control.

#include <span>

#include "hopfile/page_rules.h"
#include "platform/dialog_view.h"

namespace korvel {

struct PageFieldControl {
    PageField field;
    ControlId control;
};

// The control showing `field`; `fallback` for a field none of `controls` shows.
constexpr ControlId controlOf(std::span<const PageFieldControl> controls, PageField field,
                              ControlId fallback) {
    for (const PageFieldControl& entry : controls) {
        if (entry.field == field) {
            return entry.control;
        }
    }
    return fallback;
}

} // namespace korvel
