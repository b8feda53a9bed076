#include "ui/page_refusal_shown.h"

#include <string_view>
#include <vector>

#include "platform/messages.h"
#include "ui/list_dialog.h"
#include "ui/page.h"

namespace korvel {

void showPageRefusal(Messages& messages, DialogHost& dialogs, DialogView& page,
                     const PageRefusal& refusal, ControlId focus) {
    if (!refusal.listed.empty()) {
        std::vector<std::string_view> names;
        for (const ListedPageField& listed : refusal.listed) {
            names.push_back(listed.name);
        }
        const PageDisabled disabled(&page);
        runListDialog(dialogs, refusal.caption, refusal.text, names, false);
    } else {
        if (refusal.beep) {
            messages.beep();
        }
        messages.show(refusal.text, refusal.caption, refusal.icon);
    }
    if (refusal.takesFocus) {
        page.setFocus(focus);
    }
}

} // namespace korvel
