#include "ui/climate_import.h"

#include <cstdio>
#include <memory>
#include <stop_token>
#include <string>
#include <utility>

#include "itu/climate/climate_cache.h"
#include "itu/climate/grid_import.h"
#include "platform/busy_work.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/text_encoding.h"
#include "report/date_stamp.h"

namespace korvel {

namespace {

constexpr std::string_view kNothingImported =
    "Nothing imported; the installed maps are as they were";

std::string isoToday() {
    const CalendarDate date = reportToday();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

} // namespace

bool importChosenClimateMaps(FileChooser& files, Messages& messages, BusyWork* busyWork,
                             std::shared_ptr<const ClimateMaps>& openedMaps) {
    const auto chosen = files.choose(FileDialogUse::ImportClimateMaps);
    if (!chosen) {
        return false;
    }
    // The result is the work's own: a cancelled import may end after this call.
    auto imported = std::make_shared<ImportResult>();
    ImportRequest request{{chosen->fullName}, std::nullopt, isoToday(), kUnpackLimit};
    auto work = [imported, request = std::move(request)](const std::stop_token& stop) mutable {
        request.stopAsked = [stop] { return stop.stop_requested(); };
        *imported = importClimateGrids(request);
    };
    if (busyWork == nullptr) {
        work({});
    } else if (!busyWork->run("Importing " + pathToCp1252(chosen->fullName.filename()) + "...",
                              std::move(work))) {
        messages.show(std::string(kNothingImported), kAppCaption, MessageIcon::Information);
        return false; // cancelled: the import stops and nothing is stored
    }
    const ImportResult& result = *imported;
    if (!result.errors.empty() || result.grids.empty()) {
        std::string text;
        for (const std::string& error : result.errors) {
            text.append(error).append("\n");
        }
        text.append(result.errors.empty() ? "No climate map found in the file; the installed "
                                            "maps are as they were"
                                          : kNothingImported);
        messages.show(utf8ToCp1252(text), kAppCaption, MessageIcon::Warning);
        return false;
    }
    const ClimateCache cache(climateCacheFolder());
    bool stored = true;
    for (const ImportedGrid& grid : result.grids) {
        if (!cache.store(grid)) {
            messages.show(pathToCp1252(cache.fileOf(grid.kind)) + ": cannot write", kAppCaption,
                          MessageIcon::Warning);
            stored = false;
            break;
        }
    }
    openedMaps.reset();
    return stored;
}

} // namespace korvel
