#include "cli_files.h"

#include "cli_context.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"

namespace korvel::cli {

std::optional<std::string> readInputFile(const std::string& file) {
    const auto bytes = readFileBytes(file);
    if (!bytes) {
        reportError(file + ": cannot read");
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
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
    if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error)) {
        reportError(file + ": cannot write (not a file)");
        return false;
    }
    if (replaceFileContents(file, bytes) != FileWriteResult::Written) {
        reportError(file + ": cannot write");
        return false;
    }
    return true;
}

} // namespace korvel::cli
