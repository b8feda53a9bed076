#pragma once
// Writing the route's radio and basic data into its hop files (HopCalc).

#include <filesystem>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

// True when a hop file of the route already exists in its folder: the caller then asks which
// data to overwrite ("Old files on disk !") and sets overwriteRadioData and overwriteBasicData;
// otherwise it sets both.
bool routeHopFilesExist(const RouteState& state);

// For each hop in order: an existing file is read into `hop` and takes the route's radio data
// when overwriteRadioData is set and its basic data (information, stations, length, objective)
// when overwriteBasicData is set; a missing file is created with a New hop that takes both.
// Each hop is then written. `currentHopFileName` follows the hop being worked on (the slot's
// Windows-1252 name as the file system spells it); afterwards
// `hop` holds the last hop. An existing hop file that cannot be read stops the run before it is
// written, so it never receives another hop's values; a slot that holds anything but a hop file
// stops it before any file is written (see routeHopFilesReplaceable).
// With `refreshStale`, a hop whose results its new data no longer gives has them worked out
// again, or cleared when the pages refuse it (refreshResults), before it is written; without it
// the file keeps them, for `korvel-cli route` to mark stale.
bool writeRouteIntoHopFiles(RouteState& state, HopState& hop, const EquipmentLibrary& library,
                            std::filesystem::path& currentHopFileName, Messages& messages,
                            bool refreshStale = false);

// Loads hop `currentHop` of the route into `hop` for calculation (the last step of HopCalc):
// the current hop file name follows it, and on success the route has an active hop.
bool loadCurrentRouteHop(RouteState& state, HopState& hop, const EquipmentLibrary& library,
                         std::filesystem::path& currentHopFileName, Messages& messages);

// The route's radio into a hop: name, frequency, bit rate, the chosen power and threshold and
// the threshold column's BER exponent; the hop's own choices are kept.
void applyRouteRadio(const RouteRecord& route, const RadioEntry& radio, HopState& hop);

} // namespace korvel
