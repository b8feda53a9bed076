#pragma once
// The route screen: the route's radio, information, folder, file name, outage and availability
// objectives, number of hops and division method, and the list of its defined hops. HopDef goes on
// to the hop box; HopCalc stores the route, writes it into its hop files and hands the chosen hop
// to the Basics page. The screen does not answer the leave request: leaving keeps nothing typed and
// not accepted.

#include <vector>

#include "route/route_record.h"
#include "route/route_screen.h"
#include "ui/page.h"

namespace korvel {

class Session;

inline constexpr ControlId kRouteRadioList = 1005;
inline constexpr ControlId kRouteRadioLabel = 1006;
inline constexpr ControlId kRouteInfoField = 1121;
inline constexpr ControlId kRouteDirectoryField = 1800;
inline constexpr ControlId kRouteFileNameField = 1801;
inline constexpr ControlId kRouteObjectiveField = 1802;
inline constexpr ControlId kRouteHopCountField = 1803;
// The annual rain unavailability allowed over the route, % of a year; blank: none.
inline constexpr ControlId kRouteAvailabilityField = 1825;
inline constexpr ControlId kDefinedHopsList = 1811;
inline constexpr ControlId kHopDefButton = 1812;
inline constexpr ControlId kHopCalcButton = 1813;
// The route as it stands: its total outage, design margin and verdict.
inline constexpr ControlId kRouteTotalLabel = 1815;
inline constexpr ControlId kRouteMarginLabel = 1817;
inline constexpr ControlId kRouteScreenVerdictLabel = 1822;
// Browse...: picks the route directory in a folder dialog.
inline constexpr ControlId kBrowseFolderButton = 1824;

class RouteScreenPage final : public Page {
  public:
    explicit RouteScreenPage(Session& session) : session_(session) {}

    [[nodiscard]] DialogId form() const override { return DialogId::RouteScreen; }
    void open(DialogView& view) override;
    void onCommand(ControlId control) override;
    void onSelectionChanged(ControlId list) override;
    bool takeIntoRoute() override;

  private:
    void showHops();
    void browseFolder();
    void showRadio(int radioIndex);
    void chooseDivision(DivisionMethod method);
    bool accept(RouteScreenAction action);
    void hopCalc();

    Session& session_;
    DialogView* view_ = nullptr;
    // Library index of each row of the radio list (every radio but "OTHER").
    std::vector<int> listedRadios_;
    int radioSelection_ = 0;
    DivisionMethod division_ = DivisionMethod::Number;
};

} // namespace korvel
