// The Profile window's From terrain: the path sampled from the elevation models the settings
// hold, with progress and a way to stop on long reads.

#include <algorithm>

#include "engine/hop_record.h"
#include "geo/geodesic.h"
#include "geo/profile_checks.h"
#include "geo/terrain_profile.h"
#include "platform/elevation_module.h"
#include "platform/elevation_sources.h"
#include "platform/text_encoding.h"
#include "ui/profile_window.h"

namespace korvel {

namespace {

constexpr const char* kReading = "Reading the terrain...";

// The model's own step, coarser only where the path would take more points than a profile holds.
double terrainStepKm(const ElevationModel& model, double lengthKm) {
    return std::max(defaultProfileStepKm(model),
                    lengthKm / static_cast<double>(kMaxProfilePoints - 2));
}

} // namespace

void ProfileWindow::onFromTerrain(const ProfileSettings& settings) {
    if (!sites_.stations[0] || !sites_.stations[1]) {
        messages_.show("This hop has no sites: the terrain is read along the path between "
                       "them. Give both stations their latitude and longitude first.",
                       kAppCaption, MessageIcon::Information);
        return;
    }
    const auto sources = terrainSources ? terrainSources() : std::vector<std::filesystem::path>{};
    if (sources.empty()) {
        messages_.show(kNoElevationModelText, kAppCaption, MessageIcon::Information);
        return;
    }
    const ElevationModelOpening opening = openElevationModel(sources);
    if (!opening.model) {
        messages_.show(utf8ToCp1252(opening.error), kAppCaption, MessageIcon::Warning);
        return;
    }
    const GeoPoint from = geoPointOf(*sites_.stations[0]);
    const GeoPoint to = geoPointOf(*sites_.stations[1]);
    ProfileSampling sampling = sampleProfile(
        *opening.model, from, to, terrainStepKm(*opening.model, geodesicLengthKm(from, to)),
        [this](std::size_t done, std::size_t total) {
            return view_.showProgress(kReading, done, total);
        });
    view_.showProgress(kReading, 1, 1);
    if (sampling.cancelled) {
        return; // the hop keeps the profile it had
    }
    if (!sampling.error.empty()) {
        messages_.show("From terrain: " + utf8ToCp1252(sampling.error), kAppCaption,
                       MessageIcon::Warning);
        return;
    }
    takeProfile(std::move(sampling.profile), settings);
}

} // namespace korvel
