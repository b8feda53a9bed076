#pragma once
// Brings a hop read from a file into the state the pages leave it in before Calculate: the
// pages' refusals of values the calculation cannot work with, the Basics page's commit of the
// feeder table and row, and the selective margin as the Form page stores it.

#include <filesystem>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "platform/messages.h"

namespace korvel {

// Committing the Basics page, its last two steps: the current feeder table and row for the
// hop's frequency (findFeederRow); then, above 3 GHz, both feeder indices go to 0 when either is
// not below the feeder types of that table. At 3 GHz and below the indices stay as they are: the
// hop file reader keeps them inside the coax table of the insulation.
void commitFeederPosition(HopState& hop, const EquipmentLibrary& library);

// The Basics page accepts no hop length below 0.1 km: false after "Invalid value : Hop length."
// (caption "Error", exclamation icon). The calculations need a positive length.
bool hopLengthAccepted(const HopRecord& record, Messages& messages);

// The Form page accepts no channel spacing below 0.00001 GHz with frequency diversity: false
// after "Invalid value : Channel spacing." (caption "Error", warning icon). The improvement
// divides by it.
bool channelSpacingAccepted(const HopRecord& record, Messages& messages);

// New hop, read the file with the library checks, mark the OTHER radio (the library's last),
// check the hop length and the channel spacing, commit the feeder position and store the selective margin as the pages
// do. False when the file cannot be used (its message has been shown).
bool loadHopForCalculation(const std::filesystem::path& file, const EquipmentLibrary& library,
                           Messages& messages, HopState& hop);

} // namespace korvel
