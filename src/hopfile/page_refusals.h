#pragma once
// The values the Basics and Form pages never let into a hop, as one check that a hop made
// elsewhere (a tool, an import) must pass before it is saved.

#include <optional>
#include <string_view>

#include "engine/hop_record.h"
#include "platform/messages.h"

namespace korvel {

// Checks the record as accepting the Basics page and then validating the Form page would: hop
// length from 0.1 km, longitude 0 to 180, latitude 0 to 90, pL 0 to 100, station heights any
// number, the Form page's fields not below 0 (those of the shown diversity and selective fading
// modes only), antenna heights and a frequency diversity channel spacing not 0. The first value
// refused gets the page's message and its record field name is returned; nothing when all pass.
// A value that is not a number is refused like an out-of-range one.
std::optional<std::string_view> pageRefusal(const HopRecord& record, Messages& messages);

// The Form page accepts no channel spacing below 0.00001 GHz with frequency diversity: false
// after "Invalid value : Channel spacing." (caption "Error", warning icon). The improvement
// divides by it.
bool channelSpacingAccepted(const HopRecord& record, Messages& messages);

} // namespace korvel
