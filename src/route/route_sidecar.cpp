#include "route/route_sidecar.h"

#include <cstdint>
#include <span>
#include <system_error>

#include "engine/number_text.h"
#include "library/json_source.h"
#include "platform/file_read.h"

namespace korvel {

namespace {

constexpr std::string_view kVersion = "version";
constexpr std::string_view kAvailability = "availabilityObjectivePct";
// A route sidecar holds a few numbers.
constexpr std::size_t kSidecarMaxBytes = 64u << 10u;

RouteSidecarRead refused(std::string error) {
    return {{}, std::move(error)};
}

} // namespace

std::filesystem::path routeSidecarPath(const std::filesystem::path& routeFile) {
    std::filesystem::path sidecar = routeFile;
    sidecar += ".sites.json";
    return sidecar;
}

RouteSidecarRead parseRouteSidecar(std::string_view text) {
    ParsedJsonSource parsed = parseJsonSource(text);
    if (!parsed.error.empty()) {
        return refused(parsed.error);
    }
    const JsonSource& root = parsed.root;
    for (const auto& [key, value] : root.items()) {
        if (key != kVersion && key != kAvailability) {
            return refused(key + ": " + std::string(kUnknownField));
        }
    }
    const auto version = root.find(std::string(kVersion));
    if (version == root.end() || !version->is_number()) {
        return refused(std::string(kVersion) + ": " + std::string(kExpectedNumber));
    }
    if (version->get<double>() != kRouteSidecarVersion) {
        return refused("version " + version->dump() +
                       ": written by a newer Korvel; this one reads version " +
                       std::to_string(kRouteSidecarVersion));
    }
    RouteSidecarRead read;
    const auto objective = root.find(std::string(kAvailability));
    if (objective != root.end()) {
        const bool inRange = objective->is_number() && objective->get<double>() > 0.0 &&
                             objective->get<double>() < 100.0;
        if (!inRange) {
            return refused(std::string(kAvailability) +
                           ": expected a number above 0 and below 100");
        }
        read.sidecar.availabilityObjectivePct = objective->get<double>();
    }
    return read;
}

std::string routeSidecarText(const RouteSidecar& sidecar) {
    std::string text = "{\n  \"version\": " + std::to_string(kRouteSidecarVersion);
    if (sidecar.availabilityObjectivePct) {
        text += ",\n  \"availabilityObjectivePct\": " +
                formatNumbers("%.17g", *sidecar.availabilityObjectivePct);
    }
    return text + "\n}\n";
}

RouteSidecarRead loadRouteSidecar(const std::filesystem::path& routeFile) {
    const std::filesystem::path file = routeSidecarPath(routeFile);
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        return {};
    }
    const FileBytes read = readRegularFile(file, kSidecarMaxBytes, BeyondLimit::Refuse);
    if (!read) {
        return refused("the file cannot be read");
    }
    return parseRouteSidecar(
        std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
}

FileWriteResult saveRouteSidecar(const std::filesystem::path& routeFile,
                                 const RouteSidecar& sidecar) {
    // No file reads as no objective: a route without one writes nothing.
    const RouteSidecarRead old = loadRouteSidecar(routeFile);
    if (old.error.empty() && old.sidecar == sidecar) {
        return FileWriteResult::Written;
    }
    const std::string text = routeSidecarText(sidecar);
    return replaceFileContents(
        routeSidecarPath(routeFile),
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace korvel
