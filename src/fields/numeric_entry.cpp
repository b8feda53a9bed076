#include "fields/numeric_entry.h"

#include <cmath>

#include "fields/numeric_text.h"

namespace korvel {

namespace {

constexpr std::array<FieldLimits, kPageFieldCount> startLimits() {
    std::array<FieldLimits, kPageFieldCount> limits{};
    for (const PageFieldRow& row : kPageFieldRows) {
        if (row.limited) {
            limits[static_cast<std::size_t>(row.field)] = row.limited->normal;
        }
    }
    return limits;
}

struct TextRead {
    bool acceptable = false; // numeric text, not negative
    double value = 0;
};

TextRead readText(std::string_view text) {
    if (!isNumericText(text)) {
        return {false, 0.0};
    }
    const double value = numericTextValue(text);
    return {value >= 0, value};
}

} // namespace

void NumericEntryState::resetForNew() {
    limits_ = startLimits();
    status_.fill(FieldStatus{});
    allFieldsValid_ = true;
    allFieldsInRange_ = true;
}

void NumericEntryState::followFrequency(double frequencyGHz) {
    for (const PageFieldRow& row : kPageFieldRows) {
        if (row.limited) {
            FieldLimits& limits = limits_[index(row.field)];
            limits = limitsAtFrequency(*row.limited, limits, frequencyGHz);
        }
    }
}

void NumericEntryState::clearWarningsForNewRouteHop() {
    for (const PageFieldRow& row : kPageFieldRows) {
        if (row.limited && !row.limited->warnedAcrossRouteHops) {
            status_[index(row.field)].warned = false;
        }
    }
}

std::optional<double> readRequiredNumber(std::string_view text, Messages& messages) {
    const TextRead read = readText(text);
    if (read.acceptable) {
        return read.value;
    }
    messages.beep();
    messages.show("Invalid data.", kAppCaption, MessageIcon::Warning);
    return std::nullopt;
}

double readLimitedNumber(NumericEntryState& state, std::string_view text, PageField field) {
    const TextRead read = readText(text);
    readLimitedValue(state, read.acceptable ? read.value : -1, field);
    return read.value;
}

void readLimitedValue(NumericEntryState& state, double value, PageField field) {
    const std::size_t i = NumericEntryState::index(field);
    FieldStatus& status = state.status_[i];
    if (!std::isfinite(value) || value < 0) {
        state.allFieldsValid_ = false;
        status.valid = false;
        return;
    }
    status.valid = true;
    const FieldLimits& limits = state.limits_[i];
    if ((value >= limits.lower && value <= limits.upper) || status.warned) {
        status.inRange = true;
        return;
    }
    state.allFieldsInRange_ = false;
    status.inRange = false;
}

} // namespace korvel
