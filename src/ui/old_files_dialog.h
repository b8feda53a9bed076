#pragma once
// "Old files on disk !": some hop files of the route exist already; the user chooses whether
// they take the route's radio data, its basic data, both or neither, or stops HopCalc.

#include "platform/dialog_host.h"
#include "route/route_record.h"

namespace korvel {

inline constexpr ControlId kRadioDataTick = 1818;
inline constexpr ControlId kBasicDataTick = 1819;
inline constexpr ControlId kContinueButton = 1820;
inline constexpr ControlId kOldFilesCancelButton = 1821;

// Both ticks start set and the focus is on Continue. Continue leaves overwriteRadioData and
// overwriteBasicData as ticked (true); Cancel or closing the dialog clears both (false).
bool runOldFilesDialog(DialogHost& dialogs, RouteState& route);

} // namespace korvel
