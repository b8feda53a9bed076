#include "route/calculation_checks.h"

#include <cmath>

namespace korvel {

namespace {

constexpr double kObjectiveTolerancePct = 1e-10;

bool confirm(Messages& messages, std::string_view question) {
    messages.beep();
    return messages.show(question, kAppCaption, MessageIcon::Exclamation,
                         MessageButtons::OkCancel) == MessageAnswer::Ok;
}

} // namespace

bool checkHopsBeforeCalculation(const RouteState& state, Messages& messages) {
    const RouteRecord& record = state.record;
    if (!isValidHopCount(record.hopCount)) {
        messages.beep();
        messages.show(kInvalidHopCountText, kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    bool undefinedConfirmed = false;
    double sumPct = 0;
    for (int i = 0; i < record.hopCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (record.hopFile[slot].empty()) {
            messages.beep();
            messages.show("Invalid hop filename.", kAppCaption, MessageIcon::Exclamation);
            return false;
        }
        const double objectivePct = state.slots[slot].objective;
        if (objectivePct < kObjectiveTolerancePct && !undefinedConfirmed) {
            if (!confirm(messages, "All hop objectives not defined.")) {
                return false;
            }
            undefinedConfirmed = true;
        }
        sumPct += objectivePct;
    }
    if (std::fabs(sumPct - record.objective) > kObjectiveTolerancePct) {
        return confirm(messages, "Sum of hop objectives differs from route objective");
    }
    return true;
}

} // namespace korvel
