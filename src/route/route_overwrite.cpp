#include "route/route_overwrite.h"

#include <cstdint>
#include <span>
#include <string>
#include <system_error>

#include "hopfile/hop_file.h"
#include "platform/file_read.h"
#include "route/route_folder.h"
#include "route/route_image.h"

namespace korvel {
namespace {

bool isRouteImage(std::span<const std::uint8_t> image) {
    RouteRecord record;
    RouteFileVersion version = RouteFileVersion::Current;
    const RouteParseError error = parseRouteImage(image, record, version);
    if (error != RouteParseError::None && error != RouteParseError::InvalidHopCount) {
        return false;
    }
    if (image[4] == '3') {
        return image.size() == kRouteFileSize;
    }
    return image.size() == kOldRouteFileSize || image.size() == kOldRouteFileWideTailSize;
}

bool isHopImage(std::span<const std::uint8_t> image) {
    StoredHop hop;
    if (parseHopImage(image, hop) != HopParseError::None) {
        return false;
    }
    return image.size() ==
           (hop.version == HopFileVersion::Current ? kHopFileSize : kOldHopFileSize);
}

bool refuse(Messages& messages, std::string_view name, std::string_view kind) {
    messages.beep();
    messages.show(std::string(name) + " exists and is not a Korvel " + std::string(kind) +
                      ": it is not replaced.",
                  kAppCaption, MessageIcon::Exclamation);
    return false;
}

} // namespace

ExistingFile existingFileKind(const std::filesystem::path& file) {
    std::error_code error;
    const auto link = std::filesystem::symlink_status(file, error);
    if (link.type() == std::filesystem::file_type::not_found) {
        return ExistingFile::Absent;
    }
    // Following the link: a device, a pipe or a missing target is never read nor written. One
    // byte more than the longest layout tells a longer file apart.
    const FileBytes read = readRegularFile(file, kRouteFileSize + 1, BeyondLimit::Ignore);
    if (!read) {
        return ExistingFile::Other;
    }
    if (isRouteImage(read.bytes)) {
        return ExistingFile::Route;
    }
    return isHopImage(read.bytes) ? ExistingFile::Hop : ExistingFile::Other;
}

bool routeFileReplaceable(const RouteState& state, Messages& messages) {
    const std::string_view name = state.record.fileName.view();
    const auto file = fileInRouteFolder(state, name);
    if (!file) {
        return true; // the writer refuses a name that is not a plain file name
    }
    const ExistingFile kind = existingFileKind(*file);
    return kind == ExistingFile::Absent || kind == ExistingFile::Route ||
           refuse(messages, name, "routefile");
}

bool routeHopFilesReplaceable(const RouteState& state, Messages& messages) {
    const int count = isValidHopCount(state.record.hopCount) ? state.record.hopCount : 0;
    for (int i = 0; i < count; ++i) {
        const std::string_view name = state.record.hopFile[static_cast<std::size_t>(i)].view();
        const auto file = fileInRouteFolder(state, name);
        if (!file) {
            continue; // the hop writer names a slot it cannot use
        }
        const ExistingFile kind = existingFileKind(*file);
        const bool routeItself = name == state.record.fileName.view();
        if (routeItself || (kind != ExistingFile::Absent && kind != ExistingFile::Hop)) {
            return refuse(messages, name, "hop file");
        }
    }
    return true;
}

} // namespace korvel
