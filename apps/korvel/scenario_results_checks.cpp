#include "scenario_results_checks.h"

#include "platform/qt/qt_results_window.h"

namespace korvel {

namespace {

std::string freshnessWord(const QtResultsWindow& results) {
    if (results.window() == nullptr) {
        return "closed";
    }
    switch (results.freshness()) {
    case ResultsFreshness::Current:
        return "current";
    case ResultsFreshness::Stored:
        return "stored";
    case ResultsFreshness::Stale:
        return "stale";
    case ResultsFreshness::None:
        break;
    }
    return "none";
}

std::string availabilityWord(const QtResultsWindow& results) {
    const VerdictMark mark =
        results.window() == nullptr ? VerdictMark::None : results.availability();
    return mark == VerdictMark::Met ? "met" : mark == VerdictMark::Missed ? "missed" : "none";
}

} // namespace

std::optional<std::string> checkResults(const QtResultsWindow& results, const std::string& what,
                                        const std::string& rest) {
    const bool freshness =
        what == "results" && (rest == "current" || rest == "stored" || rest == "stale");
    if (!freshness && what != "availability") {
        return std::nullopt;
    }
    if (!freshness && rest != "met" && rest != "missed" && rest != "none") {
        return "expected met, missed or none, not " + rest;
    }
    const std::string found = freshness ? freshnessWord(results) : availabilityWord(results);
    return found == rest ? std::string() : "expected " + what + " " + rest + ", found " + found;
}

} // namespace korvel
