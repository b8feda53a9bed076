#pragma once
// Reading numbers from fields: required fields, which must hold a non-negative number, and
// limited fields, which in addition are checked against a plausible range. A value outside its
// range is reported once per field; afterwards the same field accepts any such value until New.
// The pages decide what to say about the outcome; the readers here only keep the books.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "fields/page_field_table.h"
#include "platform/messages.h"

namespace korvel {

struct FieldStatus {
    bool valid = true;   // the last reading was a non-negative number
    bool inRange = true; // ... inside the limits, or accepted after the one warning
    bool warned = false; // an out-of-range value of this field was reported since New
};

// The limits and the field status of every limited field with the two summary flags. The
// application owns one; its status outlives the pages.
class NumericEntryState {
  public:
    NumericEntryState() { resetForNew(); }

    // Every field valid, in range and not warned; both adjustable bounds back to 1.
    void resetForNew();
    // Another hop of the route was loaded: its objective, hop length and Form page fields are
    // reported again (pL, feeder lengths and rain rate keep their warned marks).
    void clearWarningsForNewRouteHop();

    // A page sets both summary flags before reading its fields; readings only clear them.
    void beginReading() {
        allFieldsValid_ = true;
        allFieldsInRange_ = true;
    }

    // The bounds that follow the frequency (hop length, channel spacing) set for the hop's
    // frequency: the pages call it before every reading.
    void followFrequency(double frequencyGHz);

    [[nodiscard]] const FieldLimits& limits(PageField field) const { return limits_[index(field)]; }
    [[nodiscard]] const FieldStatus& status(PageField field) const { return status_[index(field)]; }
    // The note naming the field's out-of-range value was shown: from now on the field accepts
    // such values silently. A reading alone marks nothing, so a refusal that stops the page
    // before the note cannot swallow it.
    void markWarned(PageField field) { status_[index(field)].warned = true; }

    [[nodiscard]] bool allFieldsValid() const { return allFieldsValid_; }
    [[nodiscard]] bool allFieldsInRange() const { return allFieldsInRange_; }

  private:
    friend void readLimitedValue(NumericEntryState&, double, PageField);

    static constexpr std::size_t index(PageField field) { return static_cast<std::size_t>(field); }

    std::array<FieldLimits, kPageFieldCount> limits_{};
    std::array<FieldStatus, kPageFieldCount> status_{};
    bool allFieldsValid_ = true;
    bool allFieldsInRange_ = true;
};

// Reads a required field: its whole text must be numeric text with a value not below 0 (a number
// is never cut, so what is stored is what the field shows). Then the value, in the unit of the
// field. Otherwise the user has been told (beep, "Invalid data.", caption "Korvel", warning icon),
// the answer is empty and the caller puts the focus back on the field.
[[nodiscard]] std::optional<double> readRequiredNumber(std::string_view text, Messages& messages);

// Reads a limited field, its whole text, without telling the user anything: updates the field's
// status and clears the summary flags as needed. Returns the value read, in the unit of the
// field; it means something only when the field's status is valid.
double readLimitedNumber(NumericEntryState& state, std::string_view text, PageField field);
// The same for a value the field holds without having been typed (what a hop file stored): valid
// when finite and not negative.
void readLimitedValue(NumericEntryState& state, double value, PageField field);

} // namespace korvel
