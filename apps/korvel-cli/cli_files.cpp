#include "cli_files.h"

#include <fstream>

#include "platform/file_read.h"

namespace korvel::cli {

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    const auto bytes = readFileBytes(file);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

std::string writeNewFile(const std::filesystem::path& file, std::span<const char> bytes,
                         bool force) {
    std::error_code error;
    if (!force && std::filesystem::exists(file, error)) {
        return file.string() + " exists already (use --force to replace it)";
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return "cannot create " + file.string();
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        return "cannot write " + file.string();
    }
    return {};
}

std::string createEmptyFile(const std::filesystem::path& file, bool force) {
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        return force ? std::string{}
                     : file.string() + " exists already (use --force to replace it)";
    }
    std::ofstream out(file, std::ios::binary);
    if (!out) {
        return "cannot create " + file.string();
    }
    return {};
}

} // namespace korvel::cli
