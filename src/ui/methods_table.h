#pragma once
// The methods table of the results dock: the session's hop by the classic method, P.530-17 and
// P.530-18 side by side, each cell with its inputs and their sources, and the planner's choice of
// the column that judges the hop (kept with the hop's sites).

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "engine/hop_verdict.h"
#include "geo/verdict_method.h"
#include "itu/climate_inputs.h"
#include "itu/method_result.h"
#include "platform/methods_view.h"

namespace korvel {

class BusyWork;
class ClimateMaps;
class FileChooser;
class Messages;
struct HopSites;

using MethodColumns3 = std::array<itu::MethodResult, 3>;

// What a hop's columns read besides the hop: its sites, and the installed climate maps, opened
// at the first use (a damaged one is said) and dropped after an import.
struct MethodSources {
    const HopSites& sites;
    std::shared_ptr<const ClimateMaps>& climateMaps;
    Messages& messages;
};

// The columns of `hop`: its sites, the climate typed in the sites file over the installed maps
// at the path's midpoint.
MethodColumns3 hopMethodColumns(const HopState& hop, const MethodSources& sources);
// "Classic", "P.530-17", "P.530-18": the column's heading.
std::string_view methodHeading(VerdictMethod method);
// The installed maps, opened at the first call (a damaged one is said).
const ClimateMaps& openedClimateMaps(std::shared_ptr<const ClimateMaps>& maps, Messages& messages);
// The climate those columns read: the typed values over the maps at the path's midpoint.
itu::ClimateInputs hopClimateInputs(const MethodSources& sources);

// "needs climate maps (LogK, dN75)" for the values a column lacks that a map gives; empty when
// no column lacks one.
// The columns as the report's section takes them.
std::array<const itu::MethodResult*, 3> columnPointers(const MethodColumns3& columns);

std::string missingMapsText(const MethodColumns3& columns);

MethodsTableContent methodsTableContent(const MethodColumns3& columns, VerdictMethod judging);

// Fills the methods table (when shown; none: not) for `hop` and gives the hop's multipath
// judgement by the method the planner chose for it in its sites.
OutageJudgement judgeHopAndShowMethods(const HopState& hop, const MethodSources& sources,
                                       MethodsView* table);

// What the table's events and the climate maps dialog change, and whom they tell.
struct MethodsTableParts {
    HopSites& sites; // keeps the judging column and the typed climate
    std::shared_ptr<const ClimateMaps>& climateMaps;
    FileChooser& files;
    Messages& messages;
    BusyWork* busyWork;                 // none: an import runs where it is asked for
    std::function<void()> sitesChanged; // after the sites may have changed: the status follows
    std::function<void()> refresh;      // the table and the verdict under the results again
};

// The table's events: the judging column chosen (the verdict under the results follows), and
// the import of climate maps asked for.
class MethodsTablePresenter final : public MethodsViewEvents {
  public:
    explicit MethodsTablePresenter(MethodsTableParts parts) : parts_(std::move(parts)) {}
    void onJudgingColumnChosen(int column) override;
    void onImportMaps() override;

  private:
    MethodsTableParts parts_;
};

} // namespace korvel
