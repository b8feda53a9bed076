#pragma once
// Whether the results the hop holds belong to the hop as it stands. The hop file keeps results
// but not the data they came from, so the session remembers that data: the hop as it was when
// the results were calculated, or when a hop whose stored results are still current was opened.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "engine/hop_record.h"
#include "platform/results_window.h"

namespace korvel {

struct EquipmentLibrary;

struct ResultsBasis {
    std::vector<std::uint8_t> inputs; // the hop file image, results left out; empty: none
    bool stored = false;              // found in the hop file, not calculated in this session
    bool showOnNextPage = false;      // a hop just read: its results show with its first page
    // As the open budget and outage charts last showed the results.
    ResultsFreshness chartsFreshness = ResultsFreshness::None;
};

// The hop as Calculate reads it, without its results.
std::vector<std::uint8_t> resultsInputs(const HopState& hop);

// `hop` has just been calculated.
void noteResultsCalculated(ResultsBasis& basis, const HopState& hop);

// `hop` has just been read from `file`: its results are stored, and current when a calculation
// of its data gives them again (the rule korvel-cli applies to a hop file).
void noteResultsOpened(ResultsBasis& basis, const HopState& hop, const EquipmentLibrary& library,
                       const std::filesystem::path& file);

// The hop's results against `asItStands` (the hop with what a page holds and has not stored
// yet).
ResultsFreshness resultsFreshness(const ResultsBasis& basis, const HopState& asItStands);

} // namespace korvel
