#pragma once
// How the tool shows a calculated hop: the results panel text and the warnings, as text or JSON.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/calculate_hop.h"
#include "engine/hop_record.h"
#include "json_writer.h"

namespace korvel::cli {

// Said after the file name when a calculation gave results that cannot be shown nor saved.
inline constexpr const char* kNotFiniteText =
    ": the calculation gave a result that is not a finite number; nothing was saved";

// The warning texts of a calculation in the order the program shows them: the mathematical
// errors as they occurred, then the status warning.
std::vector<std::string> calculationWarnings(const CalculationOutcome& outcome);

// The panel's entries one per line, trailing blanks removed, then "Warning: " lines.
void appendCalculation(std::string& text, const HopState& hop, const CalculationOutcome& outcome);
// The same written in one piece.
void printCalculation(std::ostream& out, const HopState& hop, const CalculationOutcome& outcome);

// The hop's judgement lines (multipath, then rain from 6 GHz), one per line.
void appendJudgement(std::string& text, const HopState& hop,
                     std::optional<double> availabilityObjectivePct);

// {"file": ..., "status": N, "messages": [...], "results": {...}, "objectiveMet": ...,
// "availabilityObjectiveMet": ..., "objectiveMarginPct": ..., "availabilityObjectiveMarginPct":
// ...} on one line (null where there is no judgement; a margin is objective minus outage); `more`
// writes further members before the object closes.
std::string calculationJson(const std::string& file, const HopState& hop,
                            const CalculationOutcome& outcome,
                            const std::function<void(JsonWriter&)>& more = {},
                            std::optional<double> availabilityObjectivePct = std::nullopt);

// Said on stderr when a hop file's stored results are not what its data gives now.
void warnResultsOutOfDate(const std::string& file);

} // namespace korvel::cli
