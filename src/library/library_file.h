#pragma once
// The equipment library file "korvel32.lbr": little-endian, fixed layout, magic "LVRA3".

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "library/equipment_library.h"
#include "platform/file_read.h"
#include "platform/messages.h"

namespace korvel {

inline constexpr std::string_view kLibraryFileName = "korvel32.lbr";

// Bytes of a complete file with `radioCount` radios and `feederTableCount` feeder tables.
constexpr std::size_t libraryFileSize(int radioCount, int feederTableCount) {
    return 351 + 200 * static_cast<std::size_t>(radioCount) +
           2556 * static_cast<std::size_t>(feederTableCount);
}

// BadCounts: a count negative or above its capacity, or no radio. BadDefaultChoice: a radio
// whose default power (0..2) or threshold (0..5) lies outside its table.
enum class LibraryParseError { None, WrongMagic, BadCounts, TooShort, BadDefaultChoice };

// Parses a whole file image; bytes after the identification are ignored. On an error `library`
// is left untouched.
LibraryParseError parseLibrary(std::span<const std::uint8_t> image, EquipmentLibrary& library);

// Reads the file into `library`. Failure shows "Cannot open libraryfile." followed by the
// file's name on the next line, or "Incorrect libraryfile.", and leaves `library` as it was.
bool readLibrary(const std::filesystem::path& file, EquipmentLibrary& library, Messages& messages);
// The same for a file already read (readLibraryBytes): "Incorrect libraryfile." on failure.
bool readLibraryImage(std::span<const std::uint8_t> image, EquipmentLibrary& library,
                      Messages& messages);

// The bytes of a library file: at most what the capacities allow, a regular file only.
FileBytes readLibraryBytes(const std::filesystem::path& file);

// The file image of a library (351 + 200R + 2556F bytes).
std::vector<std::uint8_t> libraryImage(const EquipmentLibrary& library);

} // namespace korvel
