#include "cli_files.h"

#include <utility>

#include "cli_context.h"
#include "hopfile/stored_values.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"
#include "route/route_file.h"
#include "route/route_values.h"

namespace korvel::cli {

std::optional<std::string> readInputFile(const std::string& file) {
    const FileBytes read = readRegularFile(file, kTextInputLimit, BeyondLimit::Refuse);
    if (!read) {
        const bool tooLarge = read.status == FileReadStatus::TooLarge;
        reportError(file + ": " + fileReadProblem(read.status) +
                    (tooLarge ? " (over 16 MiB)" : ""));
        return std::nullopt;
    }
    return std::string(read.bytes.begin(), read.bytes.end());
}

std::optional<std::vector<std::uint8_t>> readInputBytes(const std::string& file,
                                                        std::size_t maxBytes) {
    FileBytes read = readRegularFile(file, maxBytes, BeyondLimit::Ignore);
    if (!read) {
        reportError(file + ": " + fileReadProblem(read.status));
        return std::nullopt;
    }
    return std::move(read.bytes);
}

std::optional<StoredHop> readHopInput(const std::string& file) {
    const auto image = readInputBytes(file, kHopFileSize);
    StoredHop hop;
    if (!image) {
        return std::nullopt;
    }
    if (parseHopImage(*image, hop) != HopParseError::None) {
        reportError(file + ": not a valid hop file");
        return std::nullopt;
    }
    // The readers repair what may be repaired, with their notice; a refusal is said here.
    StoredHop reviewed = hop;
    if (const auto refusal = reviewStoredValues(reviewed).refusal) {
        reportError(file + ": " + describeDamage(*refusal));
        return std::nullopt;
    }
    return hop;
}

std::optional<StoredHop> readStoredHop(const std::string& file) {
    auto hop = readHopInput(file);
    if (hop) {
        for (const DamagedValue& repair : reviewStoredValues(*hop).repairs) {
            reportError(file + ": " + describeDamage(repair));
        }
    }
    return hop;
}

std::optional<std::vector<std::uint8_t>> readRouteInput(const std::string& file) {
    auto image = readInputBytes(file, kRouteFileSize);
    RouteRecord record;
    RouteFileVersion version{};
    if (image && parseRouteImage(*image, record, version) != RouteParseError::None) {
        reportError(file + ": not a valid route file");
        return std::nullopt;
    }
    if (image) {
        if (const auto refusal = reviewRouteValues(record).refusal) {
            reportError(file + ": " + describeDamage(*refusal));
            return std::nullopt;
        }
    }
    return image;
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
    if (std::filesystem::exists(file, error) && !isRegularFile(file)) {
        reportError(file + ": " + kCannotWrite + " (not a regular file)");
        return false;
    }
    if (replaceFileContents(file, bytes) != FileWriteResult::Written) {
        reportError(file + ": " + kCannotWrite);
        return false;
    }
    return true;
}

} // namespace korvel::cli
