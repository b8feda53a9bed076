#pragma once
// The antenna and feeder search: every admissible combination of library antenna diameters and
// feeder types for the hop, evaluated for outage and price, kept in the two result lists. The
// search reads the hop and the library and changes neither; it shows nothing itself.

#include <array>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "engine/hop_verdict.h" // meetsObjective, the one rule the search keeps
#include "engine/math_guard.h"
#include "library/equipment_library.h"
#include "optimize/combination_lists.h"

namespace korvel {

enum class SearchStatus {
    Done,           // the lists hold the result (possibly nothing)
    Obstructed,     // method 2, grazing angle 0.2 mrad or less: not searched (the page's -4)
    OtherRadio,     // the hop uses the OTHER radio: refused
    NoFeederLosses, // the library has no feeder losses at the hop's frequency: refused
    NoFeederTable,  // the hop's feeder table or row lies outside the library: refused
};

// What the caller shows for a refusal (caption "Korvel", information icon); empty for Done and
// Obstructed (the recalculation that follows reports the obstruction).
std::string_view searchStatusText(SearchStatus status);

// The check the Form page makes before it validates the page for optimizing: OtherRadio or Done.
SearchStatus radioAllowsOptimization(const HopSelection& selection);

// Diameter indices tried: [first, end). Below 10 GHz from 1 (Parab solid) or 0 (Parab grid) to
// the last; from 10 GHz from 0 without the two last. `end` <= `first` means none.
struct DiameterRange {
    int first = 0;
    int end = 0;
};
DiameterRange diameterSearchRange(AntennaType type, int diameterCount, double frequencyGHz);

// Gain in dBi of each diameter index of the range at the hop's frequency; 0 outside the range.
std::array<double, kMaxDiameters> searchGain(const EquipmentLibrary& library, AntennaType type,
                                             DiameterRange range, double frequencyGHz);

// Feeder lengths (m) closer than 0.01 m count as equal: then only feeder 2 types at or after
// feeder 1's are tried.
bool feederLengthsEqual(double feeder1LengthM, double feeder2LengthM);

struct SearchOutcome {
    SearchStatus status = SearchStatus::Done;
    CombinationLists lists;                 // reset and filled only when Done
    std::vector<GuardMessage> mathMessages; // for the caller to show, in order
};

SearchOutcome searchCombinations(const HopState& hop, const EquipmentLibrary& library);

} // namespace korvel
