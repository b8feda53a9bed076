#pragma once
// Whole-file reads and writes for the route's files.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace korvel {

// At most `maxBytes` bytes from the start of the file; nothing when it does not open.
std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path& file,
                                                       std::size_t maxBytes);

enum class FileWriteResult { Written, CannotOpen, CannotWrite };

// Writes a temporary file beside `file` and renames it over `file`, so that a failed write
// leaves the old contents whole. On failure the temporary is removed.
FileWriteResult replaceFileContents(const std::filesystem::path& file,
                                    std::span<const std::uint8_t> bytes);

} // namespace korvel
