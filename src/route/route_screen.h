#pragma once
// The route screen's rules, without its window: the lines of its hop lists and accepting what
// was typed (HopDef, HopCalc).

#include <string>

#include "library/equipment_library.h"
#include "platform/messages.h"
#include "route/route_hop_status.h"
#include "route/route_record.h"

namespace korvel {

// Control numbers of the route screen's fields.
enum class RouteScreenControl {
    None = 0,
    Info = 1121,
    Directory = 1800,
    FileName = 1801,
    Objective = 1802,
    HopCount = 1803,
};

// What the screen holds when it is accepted (texts in Windows-1252).
struct RouteScreenTexts {
    std::string info{};
    std::string directory{};
    std::string fileName{};
    std::string objective{}; // %
    std::string hopCount{};
    int radioSelection = 0; // library index of the radio selected in the list
    DivisionMethod division = DivisionMethod::Number;
    int selectedHopLine = -1; // line of the defined hops list; -1 when none is selected
    int hopLineCount = 0;     // lines in that list
};

enum class RouteScreenAction { HopDef, HopCalc };

struct RouteScreenOutcome {
    bool accepted = false;
    RouteScreenControl focus = RouteScreenControl::None; // the refused field
};

// Stores the screen into the route. The objective must be a number not below 0, the hop count
// an integer from 1 to 20 ("Invalid number of hops." otherwise), the directory an existing
// folder ("Invalid route directory"). A directory left as the screen showed it keeps the route's
// full folder; a typed one (relative ones inside the route's folder) becomes the folder. HopCalc
// also checks the file name and divides by number when that is the method. The current hop is
// the selected line, kept within the new hop count.
RouteScreenOutcome acceptRouteScreen(RouteState& state, const EquipmentLibrary& library,
                                     const RouteScreenTexts& texts, RouteScreenAction action,
                                     Messages& messages);

// The hop's file name as the lists show it: whole up to 13 characters, else 10 and "..".
std::string shortHopName(std::string_view fileName);

// A line of the route screen's defined hops list: name, stations whole, length, share, outage.
std::string routeScreenHopLine(const RouteState& state, int hop);

// A line of the Hops list dialog: name, stations whole, share, outage.
std::string hopsListLine(const RouteState& state, int hop);

// A list line followed by the hop's state in words.
std::string withHopStatus(const std::string& line, RouteHopStatus status);

// What the route total leaves out: "1 hop not calculated", "2 hops not calculated", or empty.
std::string notCalculatedText(int count);

} // namespace korvel
