#pragma once
// The one rule for damaged values inside a well-formed hop file, used by every reader of hop
// files in both programs. A choice outside its identifiers, or an input that is not a finite
// number or lies beyond any hop (a magnitude above kLargestStoredValue), refuses the file: the
// calculation would go on with a hop the planner never made. Two kinds of values are repaired
// instead, with a notice, because the planner loses nothing by keeping the file: the
// polarization (used only by the rain calculation, whose dialog shows it) and the stored results
// (the next calculation writes them again). The two reserved values are not the program's and
// are carried unchanged, whatever they hold.

#include <optional>
#include <string>
#include <vector>

#include "hopfile/hop_file.h"

namespace korvel {

// No quantity of a hop reaches this in its unit; a larger one is damage, not a value.
inline constexpr double kLargestStoredValue = 1e9;

struct DamagedValue {
    std::string field;   // "record.selectiveFading", "results.pfm"
    std::string problem; // "(32767) is not one of its choices"
    std::string repair;  // empty when the file is refused; else "it is set to Vertical"
};

struct StoredValueReview {
    std::optional<DamagedValue> refusal; // the first value that refuses the file
    std::vector<DamagedValue> repairs;   // the values set to their defaults in `hop`
};

// Reviews the values of a parsed hop and repairs what may be repaired (only when nothing refuses
// the file).
StoredValueReview reviewStoredValues(StoredHop& hop);

// "the value of FIELD (32767) is not one of its choices[; it is set to Vertical]".
std::string describeDamage(const DamagedValue& damage);

// A number as a message names it: "nan", "inf", "1e+308", "32767".
std::string damagedNumberText(double value);

// Whether a stored number is damage: not finite, or of a magnitude above kLargestStoredValue.
bool isDamagedNumber(double value);
// What is wrong with such a number: "(nan) is not a finite number", "(1e+308) is beyond any hop".
std::string numberProblem(double value);

} // namespace korvel
