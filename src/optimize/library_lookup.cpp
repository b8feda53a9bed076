#include "optimize/library_lookup.h"

#include <cstddef>

namespace korvel {

std::optional<double> libraryDiameterM(const EquipmentLibrary& library, AntennaType type,
                                       int index) {
    if (index < 0 || index >= library.diameterCountOf(type)) {
        return std::nullopt;
    }
    return library.antennaTable(type).diameterM[static_cast<std::size_t>(index)];
}

bool feederPositionValid(const EquipmentLibrary& library, int table, int row) {
    return library.feederTable(table) != nullptr && row >= 0 && row < kFeederLossRows;
}

std::optional<double> libraryFeederLoss(const EquipmentLibrary& library, int table, int row,
                                        int type) {
    if (!feederPositionValid(library, table, row) || type < 0 ||
        type >= library.feederTypeCountOf(table)) {
        return std::nullopt;
    }
    return library.feederTable(table)
        ->lossPer100mDb[static_cast<std::size_t>(row)][static_cast<std::size_t>(type)];
}

} // namespace korvel
