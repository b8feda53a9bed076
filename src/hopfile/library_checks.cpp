#include "hopfile/library_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "platform/warning.h"

namespace korvel {

namespace {

constexpr double kDiameterToleranceM = 0.0001;
constexpr double kFeederFrequencyToleranceGHz = 0.0001;
constexpr double kFeederMessageLimitGHz = 20.0;

int findDiameter(const AntennaTable& table, int count, double diameterM) {
    for (int i = 0; i < count; ++i) {
        if (std::fabs(table.diameterM[static_cast<std::size_t>(i)] - diameterM) <
            kDiameterToleranceM) {
            return i;
        }
    }
    return -1;
}

std::string missingAntennasMessage(const std::array<bool, 3>& missing) {
    std::string text = "Current Korvel library does not ";
    text += "have the antenna diameter(s) used in the hopfile. ";
    text += "Pressing the antenna selection buttons in the ";
    text += "Formpage will destroy the current diameter value. ";
    text += "The antenna(s) in question: ";
    if (missing[kAntenna1]) {
        text += " Station1 ";
        if (missing[kAntenna2] && missing[kDiversityAntenna]) {
            text += ",";
        } else if (missing[kAntenna2] || missing[kDiversityAntenna]) {
            text += "and";
        }
    }
    if (missing[kAntenna2]) {
        text += " Station2 ";
        if (missing[kDiversityAntenna]) {
            text += "and";
        }
    }
    if (missing[kDiversityAntenna]) {
        text += " Diversity. ";
    }
    return text;
}

bool hasFeederData(const EquipmentLibrary& library, double frequencyGHz,
                   FeederInsulation insulation) {
    const auto near = [frequencyGHz](double tableGHz) {
        return std::fabs(tableGHz - frequencyGHz) < kFeederFrequencyToleranceGHz;
    };
    if (frequencyGHz > kCoaxLimitGHz) {
        for (int table = kCoaxTableCount; table < library.feederTableCount(); ++table) {
            if (near(library.feederTable(table)->frequencyGHz[0])) {
                return true;
            }
        }
        return false;
    }
    const int table = static_cast<int>(insulation) - static_cast<int>(FeederInsulation::Foam);
    const FeederTable* coax = table < kCoaxTableCount ? library.feederTable(table) : nullptr;
    if (coax == nullptr) {
        return false;
    }
    const int count = library.frequencyCountOf(table);
    return std::any_of(coax->frequencyGHz.begin(), coax->frequencyGHz.begin() + count, near);
}

std::int16_t clampIndex(std::int16_t index, int count) {
    return static_cast<std::int16_t>(std::clamp<int>(index, 0, std::max(count - 1, 0)));
}

} // namespace

bool checkRadio(HopState& hop, const EquipmentLibrary& library, Messages& messages) {
    const std::string_view name = hop.record.radioName.view();
    const RadioEntry* atIndex = library.radio(hop.selection.radioIndex);
    if (atIndex != nullptr && atIndex->name.view() == name) {
        return true;
    }
    for (int i = 0; i < library.radioCount(); ++i) {
        if (library.radio(i)->name.view() == name) {
            hop.selection.radioIndex = static_cast<std::int16_t>(i);
            return true;
        }
    }
    std::string text = "Cannot load the file : current ";
    text += "Korvel library does not have the radio used ";
    text += "in the hop file - ";
    text += name;
    text += ".";
    warn(messages, text);
    return false;
}

void checkAntennas(HopState& hop, const EquipmentLibrary& library, Messages& messages) {
    HopSelection& selection = hop.selection;
    const AntennaTable& table = library.antennaTable(hop.record.antennaType);
    const int count = library.diameterCountOf(hop.record.antennaType);
    const std::array<double, 3> diameterM{
        hop.record.antenna1DiameterM, hop.record.antenna2DiameterM, hop.record.diversityDiameterM};
    const int checkedAntennas = hop.record.diversityMode == DiversityMode::Space ? 3 : 2;

    std::array<bool, 3> missing{};
    for (int antenna = 0; antenna < checkedAntennas; ++antenna) {
        const auto a = static_cast<std::size_t>(antenna);
        if (selection.userDiameter[a] != 0) {
            continue;
        }
        const int index = selection.antennaIndex[a];
        if (index >= 0 && index < count &&
            std::fabs(table.diameterM[static_cast<std::size_t>(index)] - diameterM[a]) <
                kDiameterToleranceM) {
            continue;
        }
        const int found = findDiameter(table, count, diameterM[a]);
        if (found >= 0) {
            selection.antennaIndex[a] = static_cast<std::int16_t>(found);
        } else {
            selection.userDiameter[a] = 1;
            selection.userGain[a] = 1;
            missing[a] = true;
        }
    }
    // The Form page steps through the table from antennaIndex, so it must point into it.
    for (std::int16_t& index : selection.antennaIndex) {
        index = clampIndex(index, count);
    }
    if (std::find(missing.begin(), missing.end(), true) != missing.end()) {
        warn(messages, missingAntennasMessage(missing));
    }
}

void checkFeeders(HopState& hop, const EquipmentLibrary& library, Messages& messages) {
    const double frequencyGHz = hop.record.frequencyGHz;
    HopSelection& selection = hop.selection;

    // The Form page steps through the feeder types from feederIndex, so it must point into them.
    // Above 3 GHz an index past the types is left for the Basics page's commit, which sets both
    // to 0; a negative index, and any index into a coax table, is brought inside here.
    const FeederPosition position =
        findFeederRow(library, frequencyGHz, hop.record.feederInsulation);
    const int typeCount = library.feederTypeCountOf(position.table);
    for (std::int16_t& index : selection.feederIndex) {
        if (frequencyGHz > kCoaxLimitGHz) {
            index = std::max<std::int16_t>(index, 0);
        } else {
            index = clampIndex(index, typeCount);
        }
    }

    if (hasFeederData(library, frequencyGHz, hop.record.feederInsulation)) {
        return;
    }
    selection.userFeederLoss = {1, 1};
    if (frequencyGHz < kFeederMessageLimitGHz) {
        std::string text = "Current Korvel library does not ";
        text += "have feeders for the frequency used in the hopfile. ";
        text += "Pressing the feeder thickness selection buttons in the ";
        text += "Formpage will destroy the current value for feeder ";
        text += "loss/100m. In addition, optimization should not be used.";
        warn(messages, text);
    }
}

} // namespace korvel
