#pragma once
// The hop dialog's rules, without its window: which texts it shows for a hop, how the typed
// texts are stored into the route, and where the focus goes. The dialog edits hop `currentHop`.

#include <string>

#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

// Control numbers of the hop dialog's fields.
enum class HopDialogControl {
    Objective = 1100,
    LengthKm = 1101,
    Station1 = 1119,
    Station2 = 1120,
    FileName = 1807,
};

// What the user typed (Windows-1252).
struct HopDialogTexts {
    std::string fileName{};
    std::string station1{};
    std::string station2{};
    std::string objective{}; // %
    std::string lengthKm{};
};

// What the dialog shows for one hop.
struct HopDialogContent {
    std::string title{}; // "Hop # " and the hop's number counted from 1
    std::string fileName{};
    std::string station1{};
    std::string station2{};
    std::string objective{}; // %, 4 decimals
    std::string lengthKm{};  // km, 1 decimal
};

struct HopDialogOutcome {
    bool accepted = false;
    HopDialogControl focus = HopDialogControl::FileName;
    HopDialogContent content; // the hop to show now, when accepted
};

HopDialogContent hopDialogContent(const RouteState& state, int hop);

// Opening: the division applies, then the current hop is shown.
HopDialogOutcome openHopDialog(RouteState& state);

// Stores the texts into hop `hop`: objective and length must be numbers not below 0 (6
// characters read; "Invalid data." otherwise), the file name (251 characters read) must pass the
// file name check (beep, "Invalid data.", caption "Error"). The name gets ".HOP" when it has no
// extension; the stations are cut to 19 characters.
HopDialogOutcome storeHop(RouteState& state, int hop, const HopDialogTexts& texts,
                          Messages& messages);

// "RouteSc": store, apply the division; the caller then shows the route screen.
HopDialogOutcome hopDialogRouteScreen(RouteState& state, const HopDialogTexts& texts,
                                      Messages& messages);
// "Previous" and "Next": store, move with wrap-around, apply the division, show the hop.
HopDialogOutcome hopDialogPrevious(RouteState& state, const HopDialogTexts& texts,
                                   Messages& messages);
HopDialogOutcome hopDialogNext(RouteState& state, const HopDialogTexts& texts, Messages& messages);
// "File": the typed name (251 characters read, default extension) becomes the current hop's file
// without any check and is read into its slot (kept on failure); the division applies and the
// slot's values replace the other typed texts.
HopDialogOutcome hopDialogFile(RouteState& state, const std::string& fileNameText,
                               Messages& messages);

} // namespace korvel
