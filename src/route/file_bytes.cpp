#include "route/file_bytes.h"

#include <fstream>
#include <system_error>

namespace korvel {

std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path& file,
                                                       std::size_t maxBytes) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace korvel
