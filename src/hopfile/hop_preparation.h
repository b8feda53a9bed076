#pragma once
// Brings a hop read from a file into the state the pages leave it in before Calculate: the
// pages' refusals, the Basics page's commit of the feeder table and row, and the selective
// margin as the Form page stores it.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "engine/hop_record.h"
#include "hopfile/hop_file.h"
#include "hopfile/page_rules.h"
#include "library/equipment_library.h"
#include "platform/messages.h"

namespace korvel {

// Committing the Basics page, its last two steps: the current feeder table and row for the
// hop's frequency (findFeederRow); then, above 3 GHz, both feeder indices go to 0 when either is
// not below the feeder types of that table. At 3 GHz and below the indices stay as they are: the
// hop file reader keeps them inside the coax table of the insulation.
void commitFeederPosition(HopState& hop, const EquipmentLibrary& library);

enum class HopLoadStatus {
    Loaded,
    Unusable, // the file does not open, is not a hop file, or the library lacks its radio
    Refused,  // the hop holds a value the Basics or Form page refuses
};

struct HopLoad {
    HopLoadStatus status = HopLoadStatus::Loaded;
    std::string_view refusedField{}; // with Refused: the record field the pages refuse
};

// New hop, read the file with the library checks, mark the OTHER radio (the library's last),
// refuse what the pages refuse (pageRefusal: the calculation needs among others a hop length
// from 0.1 km and a channel spacing), commit the feeder position and store the selective margin
// as the pages do. Each failure has shown its message.
HopLoad loadHopForCalculation(const std::filesystem::path& file, const EquipmentLibrary& library,
                              Messages& messages, HopState& hop);
// The same for the bytes of a hop file already read; messages name the file `shownName`.
HopLoad loadHopForCalculation(std::span<const std::uint8_t> image, std::string_view shownName,
                              const EquipmentLibrary& library, Messages& messages, HopState& hop);
// The same for a hop file already parsed.
HopLoad loadHopForCalculation(const StoredHop& stored, std::string_view shownName,
                              const EquipmentLibrary& library, Messages& messages, HopState& hop);

// No results, but the selective margin the Form page keeps among them.
HopResults withoutResults(const HopResults& results);

// The hop's results as Calculate would give them now, worked out without a message, when the
// pages take its values and the calculation completes; else its results cleared. The record is
// left as it is. True when the hop holds results again. For a hop about to be written, so that no
// file keeps results of other data.
bool refreshResults(HopState& hop, const EquipmentLibrary& library);

} // namespace korvel
