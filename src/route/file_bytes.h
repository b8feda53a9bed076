#pragma once
// Whole-file reads for the route's files (writes go through replaceFileContents).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace korvel {

// At most `maxBytes` bytes from the start of the file; nothing when it does not open.
std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path& file,
                                                       std::size_t maxBytes);

} // namespace korvel
