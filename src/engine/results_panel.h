#pragma once
// The text of the "Results" window, built from the hop state alone.

#include <optional>
#include <string>

#include "engine/hop_record.h"

namespace korvel {

struct ResultsPanelText {
    std::string upper;                // control 1300: the hop without diversity
    std::optional<std::string> lower; // control 1301: only for a hop with diversity
};

ResultsPanelText resultsPanelText(const HopState& hop);

} // namespace korvel
