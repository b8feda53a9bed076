#pragma once
// File > Export > KML... and GeoJSON...: the current hop with its sites, written where the
// planner chooses.

namespace korvel {

class Session;

enum class MapFormat { Kml, GeoJson };

// Tells the planner when the hop has no sites, or when the file could not be written.
void exportHopMap(Session& session, MapFormat format);

} // namespace korvel
