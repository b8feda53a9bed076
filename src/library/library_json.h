#pragma once
// The readable source of an equipment library: JSON, texts in UTF-8 (Windows-1252 in memory).
// Only the meaningful entries are listed (the diameters, frequencies and feeder types the
// counts take in); every other slot of the file is zero. So a library built from JSON gives the
// same file image after JSON -> library -> JSON -> library. The format is described for
// planners in docs/library-format.md.

#include <optional>
#include <string>
#include <string_view>

#include "library/equipment_library.h"

namespace korvel {

// The library as JSON text, two-space indented, ending with a newline.
std::string libraryToJson(const EquipmentLibrary& library);

struct LibraryFromJson {
    std::optional<EquipmentLibrary> library; // set on success
    std::string error; // on failure: the offending field and what is wrong, e.g.
                       // "radios[1].ptxDbm: expected 3 numbers"
};

LibraryFromJson libraryFromJson(std::string_view json);

} // namespace korvel
