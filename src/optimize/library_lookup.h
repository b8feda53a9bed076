#pragma once
// Checked reads of the equipment library for the optimization. Indices come from the hop's
// selection or from a search result; an index outside the library gives no value instead of a
// read past a table.

#include <optional>

#include "library/equipment_library.h"

namespace korvel {

// Diameter in m of diameter index `index` of the antenna type.
std::optional<double> libraryDiameterM(const EquipmentLibrary& library, AntennaType type,
                                       int index);

// The table exists and the row lies inside its loss table.
bool feederPositionValid(const EquipmentLibrary& library, int table, int row);

// Loss in dB per 100 m of feeder type `type` at row `row` of feeder table `table`.
std::optional<double> libraryFeederLoss(const EquipmentLibrary& library, int table, int row,
                                        int type);

} // namespace korvel
