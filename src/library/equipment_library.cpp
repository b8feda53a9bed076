#include "library/equipment_library.h"

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

constexpr double kFeederFrequencyToleranceGHz = 0.01;

int antennaTableIndex(AntennaType type) {
    switch (type) {
    case AntennaType::ParabSolid:
        return 0;
    case AntennaType::ParabGrid:
        return 1;
    }
    return -1;
}

bool sameFrequency(double a, double b) {
    return std::fabs(a - b) < kFeederFrequencyToleranceGHz;
}

} // namespace

double RadioEntry::branchingLoss(DiversityMode diversity, UsageMode usage) const {
    const int row = static_cast<int>(diversity) - static_cast<int>(DiversityMode::No);
    const int column = static_cast<int>(usage) - static_cast<int>(UsageMode::Single);
    if (row < 0 || row > 2 || column < 0 || column > 2) {
        return 0.0;
    }
    return branchingLossDb[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const RadioEntry* EquipmentLibrary::radio(int index) const {
    if (index < 0 || index >= radioCount()) {
        return nullptr;
    }
    return &radios[static_cast<std::size_t>(index)];
}

const AntennaTable& EquipmentLibrary::antennaTable(AntennaType type) const {
    return antennaTables[antennaTableIndex(type) == 1 ? 1 : 0];
}

int EquipmentLibrary::diameterCountOf(AntennaType type) const {
    const int index = antennaTableIndex(type);
    if (index < 0) {
        return 0;
    }
    return std::clamp<int>(diameterCount[static_cast<std::size_t>(index)], 0, kMaxDiameters);
}

const FeederTable* EquipmentLibrary::feederTable(int index) const {
    if (index < 0 || index >= feederTableCount()) {
        return nullptr;
    }
    return &feederTables[static_cast<std::size_t>(index)];
}

int EquipmentLibrary::feederTypeCountOf(int table) const {
    if (table < 0 || table >= static_cast<int>(feederTypeCount.size())) {
        return 0;
    }
    return std::clamp<int>(feederTypeCount[static_cast<std::size_t>(table)], 0, kMaxFeederTypes);
}

std::string_view EquipmentLibrary::feederTypeName(int table, int type) const {
    const FeederTable* feeders = feederTable(table);
    if (feeders == nullptr || type < 0 || type >= static_cast<int>(feeders->typeName.size())) {
        return {};
    }
    return feeders->typeName[static_cast<std::size_t>(type)].view();
}

int EquipmentLibrary::frequencyCountOf(int table) const {
    if (table < 0 || table >= static_cast<int>(frequencyCount.size())) {
        return 0;
    }
    return std::clamp<int>(frequencyCount[static_cast<std::size_t>(table)], 0, kMaxCoaxFrequencies);
}

FeederPosition findFeederRow(const EquipmentLibrary& library, double frequencyGHz,
                             FeederInsulation insulation) {
    if (frequencyGHz > kCoaxLimitGHz) {
        for (int table = kCoaxTableCount; table < library.feederTableCount(); ++table) {
            if (sameFrequency(library.feederTable(table)->frequencyGHz[0], frequencyGHz)) {
                return {static_cast<std::int16_t>(table), 0};
            }
        }
        return {0, -1};
    }
    const int table = static_cast<int>(insulation) - static_cast<int>(FeederInsulation::Foam);
    const FeederTable* coax = table < kCoaxTableCount ? library.feederTable(table) : nullptr;
    if (coax == nullptr) {
        return {0, -1};
    }
    for (int row = 0; row < library.frequencyCountOf(table); ++row) {
        if (sameFrequency(coax->frequencyGHz[static_cast<std::size_t>(row)], frequencyGHz)) {
            return {static_cast<std::int16_t>(table), static_cast<std::int16_t>(row)};
        }
    }
    return {static_cast<std::int16_t>(table), -1};
}

} // namespace korvel
