#pragma once
// Hop files: the current layout "HVRA6" (682 bytes, written and read) and the 16-bit layout
// "HVRA5" (661 bytes, read only).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "platform/file_read.h"
#include "platform/messages.h"

namespace korvel {

inline constexpr std::size_t kHopFileSize = 682;
inline constexpr std::size_t kOldHopFileSize = 661;

enum class HopFileVersion { Current = 6, SixteenBit = 5 };

// The stored parts of a hop: record, results and the stored fields of the selection.
struct StoredHop {
    HopFileVersion version = HopFileVersion::Current;
    HopRecord record;
    HopResults results;
    HopSelection selection; // only the stored fields are meaningful
};

enum class HopParseError { None, WrongMagic, TooShort };

// Parses a file image without touching any hop state; no library checks. `hop` is written only
// on success. An image shorter than its layout (682 or 661 bytes) is TooShort; bytes after the
// layout are ignored.
HopParseError parseHopImage(std::span<const std::uint8_t> image, StoredHop& hop);

// The image of a hop in a layout: the program saves the current one; the 16-bit one is for
// tools and tests that need files of the older version.
std::vector<std::uint8_t> hopFileImage(const HopState& hop,
                                       HopFileVersion version = HopFileVersion::Current);

// Writes the hop to an existing file, atomically (temporary file beside it with the old file's
// permissions, fsync, rename, fsync of the folder). Refuses to create a file. A file that does
// not open shows "Cannot open " + name, a write that fails after that "Cannot write " + name;
// either clears currentHopFileName and leaves the old file as it was. `name` is file.string().
bool writeHopFile(const HopState& hop, const std::filesystem::path& file,
                  std::string& currentHopFileName, Messages& messages);
// The same, naming the file `shownName` (Windows-1252) in its messages.
bool writeHopFile(const HopState& hop, const std::filesystem::path& file,
                  std::string_view shownName, std::string& currentHopFileName, Messages& messages);

// Reads either layout and, only when the file holds a whole hop, replaces the record, the
// results and the stored selection fields of `hop`; then runs the library checks (radio,
// antennas, feeders). False when the file does not open, is not a hop file or is too short (hop
// untouched), or when the library lacks the hop's radio (hop already replaced). Messages show
// file.string().
bool readHopFile(HopState& hop, const EquipmentLibrary& library, const std::filesystem::path& file,
                 Messages& messages);
// The same, naming the file `shownName` (Windows-1252) in its messages.
bool readHopFile(HopState& hop, const EquipmentLibrary& library, const std::filesystem::path& file,
                 std::string_view shownName, Messages& messages);
// The same for a file already read (readHopBytes), so that a caller that looked at the bytes
// first does not read the file again.
bool readHopImage(HopState& hop, const EquipmentLibrary& library,
                  std::span<const std::uint8_t> image, std::string_view shownName,
                  Messages& messages);
// The same for a hop already parsed (parseHopImage): the value rule, the 16-bit note, then the
// library checks.
bool loadStoredHop(HopState& hop, const EquipmentLibrary& library, StoredHop stored,
                   std::string_view shownName, Messages& messages);

// The rule for damaged values (stored_values.h) with the program's messages: a refusal gives
// "Error while opening NAME. The value of FIELD ...", each repair a notice naming its field.
// False when the file is refused (`stored` then as parsed).
bool acceptStoredValues(StoredHop& stored, const std::string& name, Messages& messages);

// The bytes of a hop file: at most the current layout's size, a regular file only.
FileBytes readHopBytes(const std::filesystem::path& file);

// "Cannot open " + name, with the reason when the file is not a regular file or too large.
void showCannotRead(Messages& messages, const std::string& name, FileReadStatus status);

// Appends `extension` (".HOP") unless the last component of `name` already has a dot.
std::string appendDefaultExtension(std::string_view name, std::string_view extension);

} // namespace korvel
