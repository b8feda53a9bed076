#pragma once
// Tools > Sites...: where the hop's two stations stand. Each station's latitude and longitude
// (decimal degrees, degrees minutes seconds and a hemisphere, or a pair pasted at once) and its
// ground elevation, typed or read from the elevation models of the settings; the distance, and
// at each end the azimuth and the elevation angle, follow the typing. OK checks every value
// before any is kept, then asks the question Open asks about what the sites give the hop.

#include <cstddef>

#include "platform/dialog_view.h"

namespace korvel {

class DialogHost;
class Messages;
class Profile;
struct HopRecord;
struct HopSites;

// Station 1's controls; station 2's are kSitesStationStep further on.
inline constexpr ControlId kSitesStationGroup = 2200;
inline constexpr ControlId kSitesLatitudeField = 2201;
inline constexpr ControlId kSitesLongitudeField = 2202;
inline constexpr ControlId kSitesGroundField = 2203;
inline constexpr ControlId kSitesFromTerrainButton = 2204;
inline constexpr ControlId kSitesReadAsLabel = 2205;  // the position as read, or why not
inline constexpr ControlId kSitesAzimuthLabel = 2206; // toward the other station
inline constexpr ControlId kSitesElevationLabel = 2207;
inline constexpr ControlId kSitesStationStep = 20;
inline constexpr ControlId kSitesDistanceLabel = 2240;
inline constexpr ControlId kSitesAntennasLabel = 2241; // the antennas the angles aim from

constexpr ControlId sitesControl(ControlId first, std::size_t station) {
    return first + static_cast<ControlId>(station) * kSitesStationStep;
}

// What the dialog reads and keeps, and where it runs and speaks.
struct SitesDialogParts {
    HopRecord& record; // takes the sites' values when the planner says Yes
    HopSites& sites;
    DialogHost& dialogs;
    Messages& messages;
    const Profile& profile; // names the elevation models
};

// True when OK kept the sites typed (the hop took their values if the planner said Yes).
bool runSitesDialog(const SitesDialogParts& parts);

} // namespace korvel
