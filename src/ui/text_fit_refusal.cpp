#include "ui/text_fit_refusal.h"

#include <string>

#include "platform/messages.h"

namespace korvel {

bool textsFitOrRefuse(Messages& messages, DialogView& view,
                      std::span<const NamedTextField> fields) {
    for (const NamedTextField& field : fields) {
        if (!view.textFits(field.control)) {
            messages.show("The text of " + std::string(field.name) +
                              " holds characters that Windows-1252 cannot store.",
                          kAppCaption, MessageIcon::Exclamation);
            view.setFocus(field.control);
            return false;
        }
    }
    return true;
}

} // namespace korvel
