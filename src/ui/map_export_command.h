#pragma once
// File > Export > KML... and GeoJSON...: the current hop, or the open route, with its sites,
// written where the planner chooses.

namespace korvel {

class Session;

enum class MapFormat { Kml, GeoJson };

// Tells the planner when the hop has no sites, or when the file could not be written.
void exportHopMap(Session& session, MapFormat format);

// Every hop of the route with both sites, each a line; the route hop being edited goes as it is
// now. The hops left off (no sites, or a file that cannot be read) are named after the write;
// a route none of whose hops has sites is refused before any file dialog.
void exportRouteMap(Session& session, MapFormat format);

} // namespace korvel
