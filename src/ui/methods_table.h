#pragma once
// The methods table of the results dock: the session's hop by the classic method, P.530-17 and
// P.530-18 side by side, each cell with its inputs and their sources, and the planner's choice of
// the column that judges the hop (kept with the hop's sites).

#include <array>
#include <string>
#include <string_view>

#include "engine/hop_verdict.h"
#include "geo/verdict_method.h"
#include "itu/climate_inputs.h"
#include "itu/method_result.h"
#include "platform/methods_view.h"

namespace korvel {

class ClimateMaps;
class Session;

using MethodColumns3 = std::array<itu::MethodResult, 3>;

// The columns of the session's hop: its sites, the climate typed in the sites file over the
// installed maps at the path's midpoint. The maps open at the first call; a damaged one is said.
// `hop`: another state of the session's hop (a copy calculated for a chart), else its own.
MethodColumns3 sessionMethodColumns(Session& session, const HopState* hop = nullptr);
// "Classic", "P.530-17", "P.530-18": the column's heading.
std::string_view methodHeading(VerdictMethod method);
// The maps the session's methods read, opened at the first call (a damaged one is said).
const ClimateMaps& sessionClimateMaps(Session& session);
// The climate those columns read: the typed values over the maps at the path's midpoint.
itu::ClimateInputs sessionClimateInputs(Session& session);

// "needs climate maps (LogK, dN75)" for the values a column lacks that a map gives; empty when
// no column lacks one.
// The columns as the report's section takes them.
std::array<const itu::MethodResult*, 3> columnPointers(const MethodColumns3& columns);

std::string missingMapsText(const MethodColumns3& columns);

MethodsTableContent methodsTableContent(const MethodColumns3& columns, VerdictMethod judging);

// Fills the methods table (when shown) for the session's hop and gives the hop's multipath
// judgement by the method the planner chose for it.
OutageJudgement judgeHopAndShowMethods(Session& session);

// The table and the verdict under the results again, after the judging column, the climate maps
// or the typed climate values changed (nothing for a hop without results).
void refreshMethodsAndVerdict(Session& session);

// The table's events: the judging column chosen (the verdict under the results follows), and
// the import of climate maps asked for.
class MethodsTablePresenter final : public MethodsViewEvents {
  public:
    explicit MethodsTablePresenter(Session& session) : session_(session) {}
    void onJudgingColumnChosen(int column) override;
    void onImportMaps() override;

  private:
    Session& session_;
};

} // namespace korvel
