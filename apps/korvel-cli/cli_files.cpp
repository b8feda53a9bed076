#include "cli_files.h"

#include <limits>

#include "cli_context.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"
#include "route/route_file.h"

namespace korvel::cli {

std::optional<std::string> readInputFile(const std::string& file) {
    const auto bytes = readInputBytes(file, std::numeric_limits<std::size_t>::max());
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

std::optional<std::vector<std::uint8_t>> readInputBytes(const std::string& file,
                                                        std::size_t maxBytes) {
    auto bytes = readFileBytes(file, maxBytes);
    if (!bytes) {
        reportError(file + ": " + kCannotRead);
    }
    return bytes;
}

std::optional<StoredHop> readStoredHop(const std::string& file) {
    const auto image = readInputBytes(file, kHopFileSize);
    if (!image) {
        return std::nullopt;
    }
    StoredHop hop;
    if (parseHopImage(*image, hop) != HopParseError::None) {
        reportError(file + ": not a valid hop file");
        return std::nullopt;
    }
    return hop;
}

bool isHopFile(const std::string& file) {
    return readStoredHop(file).has_value();
}

bool isRouteFile(const std::string& file) {
    const auto image = readInputBytes(file, kRouteFileSize);
    RouteRecord record;
    RouteFileVersion version{};
    if (image && parseRouteImage(*image, record, version) != RouteParseError::None) {
        reportError(file + ": not a valid route file");
        return false;
    }
    return image.has_value();
}

bool outputAllowed(const std::string& file, bool force) {
    std::error_code error;
    if (!force && std::filesystem::exists(file, error)) {
        reportError(file + " exists already (use --force to replace it)");
        return false;
    }
    return true;
}

bool writeOutputFile(const std::string& file, std::span<const std::uint8_t> bytes, bool force) {
    if (!outputAllowed(file, force)) {
        return false;
    }
    std::error_code error;
    if ((std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error)) ||
        replaceFileContents(file, bytes) != FileWriteResult::Written) {
        reportError(file + ": " + kCannotWrite);
        return false;
    }
    return true;
}

} // namespace korvel::cli
