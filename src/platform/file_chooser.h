#pragma once
// The FileChooser port: the Save and Open dialogs for hop and route files.

#include <filesystem>
#include <optional>
#include <string>

namespace korvel {

enum class FileDialogUse {
    SaveHop,           // "Hop files (*.hop)", default extension "hop", ask before overwriting
    OpenHop,           // same filters, the file must exist
    OpenRoute,         // "Route files (*.rou)", default extension "rou", the file must exist
    OpenHopOrRoute,    // File > Open: hop and route files, no default extension, must exist
    RouteFolder,       // the route directory: an existing folder (bare name: its last part)
    ExportKml,         // "KML files (*.kml)", default extension "kml", ask before overwriting
    ExportGeoJson,     // "GeoJSON files (*.geojson)", default extension "geojson", ask likewise
    ImportProfile,     // "CSV files (*.csv)", default extension "csv", the file must exist
    ExportChart,       // PNG, SVG or CSV by the name's extension ("png" by default), ask likewise
    ImportClimateMaps, // the ITU's climate maps: zip, text grid or .npz, the file must exist
    ElevationModel,    // a raster file or virtual raster (.tif, .hgt, .vrt, ...), must exist
    TerrainFolder,     // a folder of rasters: an existing folder (bare name: its last part)
};

// The uses that choose a folder rather than a file.
inline bool choosesFolder(FileDialogUse use) {
    return use == FileDialogUse::RouteFolder || use == FileDialogUse::TerrainFolder;
}

struct ChosenFile {
    std::filesystem::path fullName; // folders and name, as the file system spells them
    std::filesystem::path bareName; // name and extension only
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // Runs the dialog; nothing when the user cancelled. The default extension is already
    // appended to a name typed without one.
    virtual std::optional<ChosenFile> choose(FileDialogUse use) = 0;
    // The folder the next dialog starts in: the current file's (UTF-8).
    virtual void setStartFolder(const std::string& /*utf8Folder*/) {}
    // The name the next dialog proposes (its extension's case is kept for a name typed without
    // one); empty proposes none.
    virtual void setStartName(const std::string& /*utf8Name*/) {}
};

} // namespace korvel
