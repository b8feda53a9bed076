#pragma once
// Replacing a file's contents so that a failure never leaves half a file behind.

#include <cstdint>
#include <filesystem>
#include <span>

namespace korvel {

enum class FileWriteResult { Written, CannotOpen, CannotWrite };

// Writes `bytes` to a temporary file beside `file`, syncs it, renames it over `file` and syncs
// the folder. An existing file keeps its permissions, and a link keeps pointing at the file it
// names, which is the one replaced; a new file gets the usual permissions. CannotOpen: `file`
// (or what its link names) exists and is not a regular file (a FIFO, a device, a folder), or no
// temporary file could be made in the folder. On any failure the old contents stay whole and
// no temporary file remains.
FileWriteResult replaceFileContents(const std::filesystem::path& file,
                                    std::span<const std::uint8_t> bytes);

} // namespace korvel
