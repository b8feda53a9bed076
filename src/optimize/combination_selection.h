#pragma once
// The list from which the user picks a combination after a search, without any toolkit: its
// lines, its column header, the objective label, and what OK does to the hop.

#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "optimize/combination_lists.h"

namespace korvel {

// Column header over the lines, for the hop's diversity mode.
std::string_view selectionHeader(DiversityMode diversity);

// One line per real entry: the meeting combinations numbered 1, 2, ... then the near misses
// numbered -1, -2, ... with "*" after the outage. Diameters (m) of the hop's antenna type and
// feeder losses (dB per 100 m) at the hop's current feeder table and row; space diversity adds
// the diversity diameter and the spacing (m).
std::vector<std::string> selectionLines(const CombinationLists& lists, const HopState& hop,
                                        const EquipmentLibrary& library);

// The hop's outage objective (%) as the list shows it, with four decimals.
std::string objectiveText(double outageObjectivePct);

// Line number of "no line selected".
inline constexpr int kNoLineSelected = -1;

// OK on line `line` (kNoLineSelected counts as 0; others are brought into the list's range):
// writes the combination's diameter and feeder indices into the hop's selection, with space
// diversity also the diversity antenna and the spacing, and clears every override flag so the
// library values are taken again. Returns 1 when a combination was taken, 0 when the lists are
// empty (then nothing changes).
int applyCombination(const CombinationLists& lists, int line, HopState& hop);

} // namespace korvel
