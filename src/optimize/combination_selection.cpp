#include "optimize/combination_selection.h"

#include <algorithm>
#include <cstdio>

#include "engine/number_text.h"
#include "optimize/library_lookup.h"

namespace korvel {

namespace {

constexpr const char* kMeetingFormat = "%2i> %4.1f %4.1f %4.1f %4.1f  %7.5f  %9.2f";
constexpr const char* kMeetingSpaceFormat =
    "%2i> %4.1f %4.1f %4.1f %4.1f  %7.5f  %9.1f  %4.1f %4.1f";
constexpr const char* kNearMissFormat = "%2i> %4.1f %4.1f %4.1f %4.1f  %7.5f* %9.2f";
constexpr const char* kNearMissSpaceFormat =
    "%2i> %4.1f %4.1f %4.1f %4.1f  %7.5f* %9.1f  %4.1f %4.1f";

std::string formatLine(int number, const CombinationEntry& entry, bool nearMiss,
                       const HopState& hop, const EquipmentLibrary& library) {
    const AntennaType type = hop.record.antennaType;
    const int table = hop.selection.feederTable;
    const int row = hop.selection.feederRow;
    const CombinationIndices& at = entry.indices;
    const double d1 = libraryDiameterM(library, type, at.d1Index).value_or(0.0);
    const double d2 = libraryDiameterM(library, type, at.d2Index).value_or(0.0);
    const double lc1 = libraryFeederLoss(library, table, row, at.feeder1Index).value_or(0.0);
    const double lc2 = libraryFeederLoss(library, table, row, at.feeder2Index).value_or(0.0);

    if (hop.record.diversityMode == DiversityMode::Space) {
        const double dd = libraryDiameterM(library, type, at.ddIndex).value_or(0.0);
        return formatNumbers(nearMiss ? kNearMissSpaceFormat : kMeetingSpaceFormat, number, d1, d2,
                             lc1, lc2, entry.outagePct, entry.price, dd, entry.spacingM);
    }
    return formatNumbers(nearMiss ? kNearMissFormat : kMeetingFormat, number, d1, d2, lc1, lc2,
                         entry.outagePct, entry.price);
}

} // namespace

std::string_view selectionHeader(DiversityMode diversity) {
    if (diversity == DiversityMode::Space) {
        return "     D1   D2   Lc1  Lc2    p%        price    Dd   s";
    }
    return "     D1   D2   Lc1  Lc2    p%        price";
}

std::vector<std::string> selectionLines(const CombinationLists& lists, const HopState& hop,
                                        const EquipmentLibrary& library) {
    std::vector<std::string> lines;
    const int meeting = std::clamp(lists.meetingCount, 0, kMeetingListSize);
    const int nearMiss = std::clamp(lists.nearMissCount, 0, kNearMissListSize);
    for (int n = 0; n < meeting; ++n) {
        lines.push_back(
            formatLine(n + 1, lists.meetingList[static_cast<std::size_t>(n)], false, hop, library));
    }
    for (int n = 0; n < nearMiss; ++n) {
        lines.push_back(formatLine(-(n + 1), lists.nearMissList[static_cast<std::size_t>(n)], true,
                                   hop, library));
    }
    return lines;
}

std::string objectiveText(double outageObjectivePct) {
    return fixedDecimals(outageObjectivePct, 4);
}

int applyCombination(const CombinationLists& lists, int line, HopState& hop) {
    const int meeting = std::clamp(lists.meetingCount, 0, kMeetingListSize);
    const int count = meeting + std::clamp(lists.nearMissCount, 0, kNearMissListSize);
    if (count == 0) {
        return 0;
    }
    const int chosen = std::clamp(line, 0, count - 1);
    const CombinationEntry& entry =
        chosen < meeting ? lists.meetingList[static_cast<std::size_t>(chosen)]
                         : lists.nearMissList[static_cast<std::size_t>(chosen - meeting)];

    HopSelection& selection = hop.selection;
    selection.antennaIndex[kAntenna1] = entry.indices.d1Index;
    selection.antennaIndex[kAntenna2] = entry.indices.d2Index;
    selection.feederIndex[0] = entry.indices.feeder1Index;
    selection.feederIndex[1] = entry.indices.feeder2Index;
    if (hop.record.diversityMode == DiversityMode::Space) {
        selection.antennaIndex[kDiversityAntenna] = entry.indices.ddIndex;
        hop.record.antennaSpacingM = entry.spacingM;
    }
    selection.userDiameter.fill(0);
    selection.userGain.fill(0);
    selection.userFeederLoss.fill(0);
    return 1;
}

} // namespace korvel
