#pragma once
// The hop calculation: link budget, fading outage, diversity improvement, in that order.

#include <array>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

// The values are the status codes the pages and reports know.
enum class CalcStatus : int {
    Ok = 1,
    NegativeMargin = -1,  // M <= 0: stops after the link budget
    LowMargin = -2,       // 0 < M < 12: continues
    HighImprovement = -3, // Ifm or Ism above 100: complete
    Obstructed = -4,      // method 2, grazing angle <= 0.2 mrad: stops after K
    LowGrazingAngle = -5, // method 2, grazing angle <= 1 mrad: continues
};

struct CalculationOutcome {
    CalcStatus status = CalcStatus::Ok;
    std::vector<GuardMessage> mathMessages; // in the order they occurred
};

// The results the calculation writes; Msm it reads (the pages set it), the rain results it leaves.
inline constexpr std::array kCalculatedResults{
    &HopResults::cLat, &HopResults::cLon, &HopResults::K,    &HopResults::Lc1, &HopResults::Lc2,
    &HopResults::Lo,   &HopResults::Lho,  &HopResults::Prx,  &HopResults::M,   &HopResults::pfm,
    &HopResults::psm,  &HopResults::pfmd, &HopResults::psmd, &HopResults::p,   &HopResults::pd,
    &HopResults::Ifm,  &HopResults::Ism};

// Reads hop.record (and hop.results.Msm), writes hop.results. A stopped calculation (-1, -4)
// leaves the results of the later stages as they were. The hop length must be at least 0.1 km,
// and with frequency diversity the channel spacing at least 0.00001 GHz, as the pages and
// loadHopForCalculation make sure. Every other value is calculated with: logarithms and powers
// outside their domain take the guard's substitutes and messages, and a frequency of 0 divides
// by zero in the frequency diversity improvement.
CalculationOutcome calculateHop(HopState& hop);

// The calculation went through and its results are shown (1, -2, -3, -5); -1 and -4 stopped it,
// and then no results window stays open and the rain dialog is not offered.
bool producedResults(CalcStatus status);

// Every result of the hop is a finite number. A hop whose data slipped past the pages' checks (a
// NaN in a file) can give results that are not; they are never shown as results nor saved.
bool resultsAreFinite(const HopResults& results);
// What the pages say when resultsAreFinite fails after a calculation.
inline constexpr const char* kNotFiniteResultText =
    "The calculation gave a result that is not a finite number. Check the hop's values.";
// Sets every result that is not a finite number to 0, so that it is never saved.
void clearNonFiniteResults(HopResults& results);

// The warning text of a status; empty for Ok. Caption "Korvel", warning icon.
std::string_view statusText(CalcStatus status);

} // namespace korvel
