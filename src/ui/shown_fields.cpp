#include "ui/shown_fields.h"

#include <limits>

#include "fields/numeric_text.h"

namespace korvel {

void ShownFields::show(DialogView& view, ControlId field, std::string_view text, double value) {
    view.setNumberEntry(field);
    view.setText(field, text);
    shown_[field] = {std::string(text), value};
}

void ShownFields::showText(DialogView& view, ControlId field, std::string_view text) {
    // A text field takes any character: no number entry here.
    view.setText(field, text);
    shown_[field] = {std::string(text), 0};
}

bool ShownFields::edited(const DialogView& view, ControlId field) const {
    const auto shown = shown_.find(field);
    return shown == shown_.end() || view.text(field) != shown->second.text;
}

double ShownFields::value(const DialogView& view, ControlId field, double typed) const {
    return edited(view, field) ? typed : shown_.at(field).value;
}

double typedNumber(std::string_view text) {
    if (!isNumericText(text)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return numericTextValue(text);
}

} // namespace korvel
