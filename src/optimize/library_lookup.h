#pragma once
// Checked reads of the equipment library for the optimization. Indices come from the hop's
// selection or from a search result; an index outside the library gives no value instead of a
// read past a table.

#include <optional>

#include "library/equipment_library.h"

namespace korvel {

// Diameters of the antenna type, limited to the table's capacity.
int usableDiameterCount(const EquipmentLibrary& library, AntennaType type);

// Diameter in m and price of diameter index `index` of the antenna type.
std::optional<double> libraryDiameterM(const EquipmentLibrary& library, AntennaType type,
                                       int index);
std::optional<double> libraryAntennaPrice(const EquipmentLibrary& library, AntennaType type,
                                          int index);

// The table exists, has a type count, and the row lies inside its loss table.
bool feederPositionValid(const EquipmentLibrary& library, int table, int row);

// Feeder types of the table, limited to the table's capacity; 0 for a table that does not exist.
int usableFeederTypeCount(const EquipmentLibrary& library, int table);

// Loss in dB per 100 m of feeder type `type` at row `row` of feeder table `table`.
std::optional<double> libraryFeederLoss(const EquipmentLibrary& library, int table, int row,
                                        int type);

struct FeederPrice {
    double perMetre = 0; // per metre of feeder
    double fixed = 0;    // once for each feeder, whatever its length
};
// Prices of feeder type `type` of feeder table `table`.
std::optional<FeederPrice> libraryFeederPrice(const EquipmentLibrary& library, int table, int type);

} // namespace korvel
