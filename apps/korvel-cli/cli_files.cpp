#include "cli_files.h"

#include <fstream>
#include <iterator>

namespace korvel::cli {

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return contents;
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
