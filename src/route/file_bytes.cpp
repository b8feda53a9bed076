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

FileWriteResult replaceFileContents(const std::filesystem::path& file,
                                    std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary = file;
    temporary += ".korvel-tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        return FileWriteResult::CannotOpen;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    std::error_code error;
    if (out) {
        std::filesystem::rename(temporary, file, error);
    }
    if (!out || error) {
        std::filesystem::remove(temporary, error);
        return FileWriteResult::CannotWrite;
    }
    return FileWriteResult::Written;
}

} // namespace korvel
