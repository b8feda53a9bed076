#pragma once
// What the route file's fixed layout cannot hold, in a small JSON file beside it
// (NAME.ROU -> NAME.ROU.sites.json), as a hop keeps its own beside the hop file:
//
//   {"version": 1, "availabilityObjectivePct": 0.05}
//
// the route's availability objective (the annual rain unavailability allowed over the whole
// route, % of a year). A route without the file has none, and behaves as before.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_replace.h"

namespace korvel {

inline constexpr int kRouteSidecarVersion = 1;

std::filesystem::path routeSidecarPath(const std::filesystem::path& routeFile);

struct RouteSidecar {
    std::optional<double> availabilityObjectivePct; // above 0 and below 100
    bool operator==(const RouteSidecar&) const = default;
};

struct RouteSidecarRead {
    RouteSidecar sidecar;
    std::string error; // why the file was refused ("availabilityObjectivePct: expected ..."), or
                       // empty: read, or no file
};

RouteSidecarRead parseRouteSidecar(std::string_view text);
std::string routeSidecarText(const RouteSidecar& sidecar);

// The sidecar of the route saved as `routeFile`; nothing when it has none.
RouteSidecarRead loadRouteSidecar(const std::filesystem::path& routeFile);
// Writes the sidecar beside `routeFile` only when it differs from the file there; a route
// without an objective and without a file writes nothing.
FileWriteResult saveRouteSidecar(const std::filesystem::path& routeFile,
                                 const RouteSidecar& sidecar);

} // namespace korvel
