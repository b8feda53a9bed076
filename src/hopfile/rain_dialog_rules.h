#pragma once
// The rain dialog's rules without its window: when RainCalc may open it, how its rate field
// (2002) is read, and what OK stores into the hop.

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/hop_record.h"
#include "engine/rain.h"
#include "fields/numeric_entry.h"
#include "hopfile/field_list_notice.h"
#include "platform/messages.h"

namespace korvel {

// RainCalc after a calculation that produced results: true from 6 GHz. Below, false after
// "Current formulas for rain attenuation do not support frequencies below 6 GHz." (caption
// "Korvel", information icon), and the dialog does not open.
bool rainDialogOffered(const HopRecord& record, Messages& messages);

// Calculate: reads the rate field, in this order:
// - a text that is not a number of at least 0 (3 characters read) shows the list "Error!",
//   "Invalid data : ", "Rain rate" without OK, and is refused;
// - a value outside 10..200 mm/h for the first time since New shows the list "Note!",
//   "Values out of normal limits : ", "Rainrate" with OK; Cancel refuses;
// - the whole text must be a whole number that the hop can keep (0 to 32767): else "Rainrate
//   must be a positive integer." (caption "Error!", warning icon), refused.
// The rate in mm/h, or nothing when refused; the caller then puts the focus on the field.
std::optional<std::int16_t> readRainRate(std::string_view text, NumericEntryState& entry,
                                         const ShowFieldList& showList, Messages& messages);

// What the dialog holds when OK is pressed.
struct RainDialogResult {
    Polarization polarization = Polarization::Vertical;
    std::int16_t rateMmH = 0;
    RainOutage outage;
};

// OK: the polarization, the rate and both percentages go into the hop.
void storeRainResult(HopState& hop, const RainDialogResult& result);

} // namespace korvel
