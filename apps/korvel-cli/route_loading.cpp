#include "route_loading.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string_view>

#include "cli_files.h"
#include "fields/format_fixed.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "hopfile/stored_values.h"
#include "platform/file_read.h"
#include "platform/text_encoding.h"
#include "route/hop_slot_reader.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_names.h"
#include "route/route_reset.h"
#include "route/route_screen.h"
#include "route/route_sidecar.h"
#include "route/route_summary.h"
#include "route/route_verdict.h"

namespace korvel::cli {
namespace {

std::string percent(double value) {
    return formatFixed(value, 4);
}

// One row of the hop table, columns as in the header.
std::string hopRow(const std::string& number, const std::string& file, const std::string& station1,
                   const std::string& station2, const std::string& length,
                   const std::string& objective, const std::string& outage,
                   const std::string& rain) {
    char row[256];
    std::snprintf(row, sizeof row, "%3s  %-14s %-19s %-19s %8s %10s %10s %10s", number.c_str(),
                  file.c_str(), station1.c_str(), station2.c_str(), length.c_str(),
                  objective.c_str(), outage.c_str(), rain.c_str());
    return row;
}

// "hop 3 (NAME)", or "hop 3" for a slot without a name.
std::string hopLabel(const RouteState& route, int index) {
    const std::string name = route.record.hopFile[static_cast<std::size_t>(index)].str();
    const std::string label = "hop " + std::to_string(index + 1);
    return name.empty() ? label : label + " (" + cp1252ToUtf8(name) + ")";
}

// Why hop `index` of the route cannot be read, or nothing with its bytes in `image`.
std::optional<std::string> hopSlotProblem(const RouteState& route, int index,
                                          std::vector<std::uint8_t>& image) {
    const std::string name = route.record.hopFile[static_cast<std::size_t>(index)].str();
    if (const auto refusal = hopFileNameRefusal(name)) {
        return std::string(kCannotRead) + ": " + cp1252ToUtf8(*refusal);
    }
    const auto path = fileInRouteFolder(route, name);
    FileBytes read = path ? readHopBytes(*path) : FileBytes{FileReadStatus::NotFound, {}};
    if (!read) {
        return fileReadProblem(read.status);
    }
    StoredHop hop;
    if (parseHopImage(read.bytes, hop) != HopParseError::None) {
        return std::string("not a valid hop file");
    }
    if (const auto refusal = reviewStoredValues(hop).refusal) {
        return describeDamage(*refusal);
    }
    image = std::move(read.bytes);
    return std::nullopt;
}

// After a route total that leaves hops out: "  (2 hops not calculated)".
std::string notCalculatedNote(int count) {
    if (count == 0) {
        return {};
    }
    return "  (" + notCalculatedText(count) + ")";
}

// After a hop whose value is not a current calculation, as the route's lists count it: "stale"
// when its results are out of date, "not calculated" when it cannot be calculated.
std::string_view staleMark(bool stale, RouteHopStatus status) {
    if (!stale) {
        return {};
    }
    return status == RouteHopStatus::NotCalculated ? "  not calculated" : "  stale";
}

} // namespace

bool openRouteForCommand(CliContext& context, const std::string& file, RouteState& route,
                         HopMarks& unreadable, HopImages* images) {
    // The route file keeps its own name in a 50-byte field.
    constexpr std::size_t kLongestRouteFileName = 49;
    if (utf8ToCp1252(std::filesystem::path(file).filename().string()).size() >
        kLongestRouteFileName) {
        reportError(file + ": a route file name has at most 49 characters");
        return false;
    }
    // ... in Windows-1252: another name would be written back as another file.
    if (!pathFitsCp1252(std::filesystem::path(file).filename())) {
        reportError(file + ": a route file name holds only Windows-1252 characters");
        return false;
    }
    const auto routeImage = readRouteInput(file);
    if (!routeImage) {
        return false;
    }
    resetRoute(route, context.library, std::filesystem::path(file).parent_path());
    if (!readRouteFile(route, context.library, file, std::span(*routeImage), context.messages)) {
        reportError(file + ": " + kNotWithThisLibrary);
        return false;
    }
    const RouteSidecarRead sidecar = loadRouteSidecar(file);
    if (!sidecar.error.empty()) {
        reportError(routeSidecarPath(file).string() + ": " + sidecar.error);
        return false;
    }
    route.availabilityObjectivePct = sidecar.sidecar.availabilityObjectivePct;
    // As the summary made when a route is opened; the hops it cannot read are named here, in
    // the words every command uses, instead of the program's "NAME not found.".
    RouteRecord& record = route.record;
    record.totalOutage = 0;
    unreadable = {};
    for (int i = 0; i < record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        std::vector<std::uint8_t> image;
        if (const auto problem = hopSlotProblem(route, i, image)) {
            unreadable[index] = true;
            reportError(file + ": " + hopLabel(route, i) + ": " + *problem);
            clearHopSlot(route.slots[index]);
        } else {
            readHopImageIntoSlot(route, record.hopFile[index].view(), image, i, context.messages);
        }
        if (images != nullptr) {
            (*images)[index] = std::move(image);
        }
        record.hopOutage[index] = route.slots[index].outage;
        record.totalOutage += route.slots[index].outage;
    }
    return true;
}

int markedHopCount(const HopMarks& marks) {
    return static_cast<int>(std::ranges::count(marks, true));
}

HopMarks staleHops(const RouteState& route, const RouteHopStatuses& statuses,
                   const HopMarks& unreadable) {
    HopMarks stale{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(route.record.hopCount); ++i) {
        stale[i] = !unreadable[i] && (statuses[i] == RouteHopStatus::OutOfDate ||
                                      statuses[i] == RouteHopStatus::NotCalculated);
    }
    return stale;
}

void printRoute(const RouteState& route, const HopMarks& stale, const RouteHopStatuses& statuses) {
    const RouteRecord& record = route.record;
    std::cout << "Route: " << cp1252ToUtf8(record.fileName.view()) << "  ("
              << cp1252ToUtf8(record.info.view()) << ")\n"
              << hopRow("#", "File", "Station 1", "Station 2", "km", "Objective%", "Outage%",
                        "Rain%")
              << '\n';
    for (int i = 0; i < record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const RouteHopSlot& slot = route.slots[index];
        std::cout << hopRow(std::to_string(i + 1), cp1252ToUtf8(record.hopFile[index].view()),
                            cp1252ToUtf8(slot.station1.view()), cp1252ToUtf8(slot.station2.view()),
                            formatFixed(slot.lengthKm, 1), percent(slot.objective),
                            percent(slot.outage),
                            slot.rainUnavail < 0 ? "-" : percent(slot.rainUnavail))
                  << staleMark(stale[index], statuses[index]) << '\n';
    }
    std::cout << "Current route outage : " << percent(record.totalOutage) << " %"
              << notCalculatedNote(notCalculatedCount(statuses, record.hopCount)) << '\n';
    std::cout << "Route objective      : " << percent(record.objective) << " %\n"
              << "Design margin        : " << percent(designMarginPct(record)) << " %\n"
              << "Route verdict        : "
              << cp1252ToUtf8(routeVerdictWords(routeVerdict(record, statuses))) << '\n';
    // A route without an availability objective prints as it always did.
    if (route.availabilityObjectivePct) {
        std::cout << "Route availability   : "
                  << cp1252ToUtf8(routeAvailabilityWords(routeVerdict(record, statuses), route))
                  << '\n';
    }
}

void warnOutOfDateHops(const std::string& file, const RouteState& route,
                       const RouteHopStatuses& statuses) {
    for (int i = 0; i < route.record.hopCount; ++i) {
        if (statuses[static_cast<std::size_t>(i)] == RouteHopStatus::OutOfDate) {
            reportError(file + ": " + hopLabel(route, i) +
                        ": the results stored in the file do not belong to its data; "
                        "korvel-cli route calc " +
                        file + " --save stores new ones");
        }
    }
}

void printRefreshHint(const std::string& file, const HopMarks& stale) {
    std::string hops;
    int count = 0;
    for (std::size_t i = 0; i < stale.size(); ++i) {
        if (stale[i]) {
            hops += (count++ == 0 ? "" : ", ") + std::to_string(i + 1);
        }
    }
    if (count == 0) {
        return;
    }
    std::cout << (count == 1 ? "Stale: hop " + hops + " holds results of data changed since its"
                             : "Stale: hops " + hops + " hold results of data changed since their")
              << " last calculation.\nRefresh with: korvel-cli route calc " << file << " --save\n";
}

} // namespace korvel::cli
