#include "series/sweep_diameters.h"

#include <algorithm>

namespace korvel {

std::vector<double> libraryDiameters(const EquipmentLibrary& library, AntennaType type,
                                     const SweepRange& range) {
    const AntennaTable& table = library.antennaTable(type);
    const auto count = static_cast<std::size_t>(
        std::clamp(library.diameterCountOf(type), 0, static_cast<int>(table.diameterM.size())));
    const double low = std::min(range.from, range.to);
    const double high = std::max(range.from, range.to);
    std::vector<double> diameters;
    for (std::size_t i = 0; i < count; ++i) {
        const double diameter = table.diameterM[i];
        if (diameter > 0.0 && diameter >= low && diameter <= high) {
            diameters.push_back(diameter);
        }
    }
    std::sort(diameters.begin(), diameters.end());
    diameters.erase(std::unique(diameters.begin(), diameters.end()), diameters.end());
    return diameters;
}

bool libraryHasDiameters(const EquipmentLibrary& library, AntennaType type) {
    return !libraryDiameters(library, type, {0.0, 1e9, 2}).empty();
}

} // namespace korvel
