#include "ui/availability_objective_text.h"

#include <string>

#include "engine/number_text.h"
#include "geo/sites_file.h"
#include "ui/shown_fields.h"

namespace korvel {

std::optional<std::optional<double>> typedAvailabilityObjective(std::string_view text,
                                                                Messages& messages) {
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return std::optional<double>();
    }
    const double objective = typedNumber(text);
    if (!(objective > 0.0 && objective <= kMaxAvailabilityObjectivePct)) {
        messages.show("The availability objective takes a percentage of a year above 0, at most " +
                          formatNumbers("%g", kMaxAvailabilityObjectivePct) + ", or nothing.",
                      kAppCaption, MessageIcon::Warning);
        return std::nullopt;
    }
    return objective;
}

} // namespace korvel
