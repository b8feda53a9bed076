#include "fields/numeric_entry.h"

#include <cmath>

#include "fields/numeric_text.h"

namespace korvel {

namespace {

// The limits after New. Indices 1 (lower) and 8 (upper) are set again by the pages before every
// reading, from the hop's frequency.
constexpr std::array<FieldLimits, kLimitedFieldCount> kStartLimits = {{
    {0.0005, 0.02}, // outage objective, %
    {1, 100},       // hop length, km
    {10, 999},      // antenna 1 height, m
    {10, 999},      // antenna 2 height, m
    {1, 12},        // branching loss, dB
    {0, 15},        // additional terrain loss, dB
    {0, 5},         // threshold degradation, dB
    {3, 23},        // antenna spacing, m
    {0, 1},         // channel spacing, GHz
    {20, 60},       // selective fading margin, dB
    {5, 200},       // feeder 1 length, m
    {5, 200},       // feeder 2 length, m
    {0.5, 80},      // pL, %
    {10, 200},      // rain rate, mm/h
}};

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
    limits_ = kStartLimits;
    status_.fill(FieldStatus{});
    allFieldsValid_ = true;
    allFieldsInRange_ = true;
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
