#pragma once
// Reading a file whole (or its start) in one place, beside the safe replace that writes files.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <vector>

namespace korvel {

// The file's bytes, at most `maxBytes` of them from its start. Nothing when the file does not
// open (a folder does not) or a read fails; a short file simply gives fewer bytes.
std::optional<std::vector<std::uint8_t>>
readFileBytes(const std::filesystem::path& file,
              std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

} // namespace korvel
