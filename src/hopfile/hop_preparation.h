#pragma once
// Brings a hop read from a file into the state the pages leave it in before Calculate: the
// current feeder table and row as committing the Basics page sets them, and the selective margin
// as the Form page sets it.

#include <filesystem>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "platform/messages.h"

namespace korvel {

// Feeder table and row for the frequency; feeder indices past the table's types go back to 0.
void commitFeederPosition(HopState& hop, const EquipmentLibrary& library);

// Standard: Msm from msmRefDb and the hop length; User: the stored Msm; No: untouched.
void prepareSelectiveMargin(HopState& hop);

// New hop, read the file with the library checks, then both steps above. False when the file
// cannot be used (its message has been shown).
bool loadHopForCalculation(const std::filesystem::path& file, const EquipmentLibrary& library,
                           Messages& messages, HopState& hop);

} // namespace korvel
