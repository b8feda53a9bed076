#pragma once
// The diameters a diameter sweep steps through: those the library offers for the hop's antenna
// type, the ones that can be bought.

#include <vector>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "series/sweep_input.h"

namespace korvel {

// The library's diameters from `range.from` to `range.to` (either order), smallest first.
std::vector<double> libraryDiameters(const EquipmentLibrary& library, AntennaType type,
                                     const SweepRange& range);

// The library lists no diameter for the antenna type at all: a sweep steps evenly instead.
bool libraryHasDiameters(const EquipmentLibrary& library, AntennaType type);

} // namespace korvel
