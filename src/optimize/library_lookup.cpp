#include "optimize/library_lookup.h"

#include <algorithm>
#include <cstddef>

namespace korvel {

namespace {

std::size_t antennaTableIndex(AntennaType type) {
    return type == AntennaType::ParabSolid ? 0 : 1;
}

bool tableExists(const EquipmentLibrary& library, int table) {
    return table >= 0 && table < library.feederTableCount() &&
           static_cast<std::size_t>(table) < library.feederTypeCount.size();
}

bool typeValid(const EquipmentLibrary& library, int table, int type) {
    return type >= 0 && type < usableFeederTypeCount(library, table);
}

} // namespace

int usableDiameterCount(const EquipmentLibrary& library, AntennaType type) {
    return std::clamp<int>(library.diameterCount[antennaTableIndex(type)], 0, kMaxDiameters);
}

std::optional<double> libraryDiameterM(const EquipmentLibrary& library, AntennaType type,
                                       int index) {
    if (index < 0 || index >= usableDiameterCount(library, type)) {
        return std::nullopt;
    }
    return library.antennaTables[antennaTableIndex(type)]
        .diameterM[static_cast<std::size_t>(index)];
}

std::optional<double> libraryAntennaPrice(const EquipmentLibrary& library, AntennaType type,
                                          int index) {
    if (index < 0 || index >= usableDiameterCount(library, type)) {
        return std::nullopt;
    }
    return library.antennaTables[antennaTableIndex(type)].price[static_cast<std::size_t>(index)];
}

bool feederPositionValid(const EquipmentLibrary& library, int table, int row) {
    return tableExists(library, table) && row >= 0 && row < kFeederLossRows;
}

int usableFeederTypeCount(const EquipmentLibrary& library, int table) {
    if (!tableExists(library, table)) {
        return 0;
    }
    return std::clamp<int>(library.feederTypeCount[static_cast<std::size_t>(table)], 0,
                           kMaxFeederTypes);
}

std::optional<double> libraryFeederLoss(const EquipmentLibrary& library, int table, int row,
                                        int type) {
    if (!feederPositionValid(library, table, row) || !typeValid(library, table, type)) {
        return std::nullopt;
    }
    return library.feederTables[static_cast<std::size_t>(table)]
        .lossPer100mDb[static_cast<std::size_t>(row)][static_cast<std::size_t>(type)];
}

std::optional<FeederPrice> libraryFeederPrice(const EquipmentLibrary& library, int table,
                                              int type) {
    if (!typeValid(library, table, type)) {
        return std::nullopt;
    }
    const FeederTable& feeders = library.feederTables[static_cast<std::size_t>(table)];
    const auto column = static_cast<std::size_t>(type);
    return FeederPrice{feeders.pricePerMetre[column], feeders.fixedPrice[column]};
}

} // namespace korvel
