#include "ui/map_export_command.h"

#include <cstdint>
#include <span>

#include "geo/map_export.h"
#include "platform/file_replace.h"
#include "platform/text_encoding.h"
#include "ui/session.h"

namespace korvel {

void exportHopMap(Session& session, MapFormat format) {
    Messages& messages = session.ports.messages;
    const auto& stations = session.sites.stations;
    if (!stations[0] || !stations[1]) {
        messages.show("This hop has no sites to put on a map. Give them with \"korvel-cli sites "
                      "HOPFILE --set 1 LAT LON\" (and --set 2), then open the hop again.",
                      kAppCaption, MessageIcon::Information);
        return;
    }
    const auto chosen = session.ports.files.choose(
        format == MapFormat::Kml ? FileDialogUse::ExportKml : FileDialogUse::ExportGeoJson);
    if (!chosen) {
        return;
    }
    const HopState& hop = session.hop;
    const std::vector<MapHop> hops{mapHopOf(hop.record, hop.results, {*stations[0], *stations[1]})};
    const std::string document =
        format == MapFormat::Kml
            ? kmlDocument(hops.front().name.empty() ? "Korvel hop" : hops.front().name, hops)
            : geoJsonDocument(hops);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(document.data()), document.size());
    if (replaceFileContents(chosen->fullName, bytes) != FileWriteResult::Written) {
        messages.show(utf8ToCp1252(chosen->bareName.string()) + ": cannot write", kAppCaption,
                      MessageIcon::Warning);
    }
}

} // namespace korvel
