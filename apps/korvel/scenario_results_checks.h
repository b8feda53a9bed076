#pragma once
// Expectations about what the results window says of the results: whether they are current,
// stored or out of date, and how the rain stands against the availability objective.

#include <optional>
#include <string>

namespace korvel {

class QtResultsWindow;

// `expect results current|stored|stale`, `expect availability met|missed|none`. Nothing when the
// line is neither; else the failure, empty when the expectation is met.
std::optional<std::string> checkResults(const QtResultsWindow& results, const std::string& what,
                                        const std::string& rest);

} // namespace korvel
