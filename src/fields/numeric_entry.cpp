#include "fields/numeric_entry.h"

#include <cmath>

#include "fields/numeric_text.h"

namespace korvel {

namespace {

constexpr std::array<FieldLimits, kLimitedFieldCount> startLimits() {
    std::array<FieldLimits, kLimitedFieldCount> limits{};
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        limits[i] = limitedRow(static_cast<LimitedField>(i)).normal;
    }
    return limits;
}

// Fields whose warnings a change of route hop clears: indices 0 to 9.
constexpr std::size_t kRouteHopFieldCount = 10;

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
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        limits_[i] =
            limitsAtFrequency(limitedRow(static_cast<LimitedField>(i)), limits_[i], frequencyGHz);
    }
}

void NumericEntryState::clearWarningsForNewRouteHop() {
    for (std::size_t i = 0; i < kRouteHopFieldCount; ++i) {
        status_[i].warned = false;
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

double readLimitedNumber(NumericEntryState& state, std::string_view text, LimitedField field) {
    const TextRead read = readText(text);
    readLimitedValue(state, read.acceptable ? read.value : -1, field);
    return read.value;
}

void readLimitedValue(NumericEntryState& state, double value, LimitedField field) {
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
