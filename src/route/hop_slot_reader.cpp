#include "route/hop_slot_reader.h"

#include <algorithm>
#include <array>
#include <string>

#include "hopfile/hop_file.h"
#include "platform/file_read.h"
#include "route/route_folder.h"
#include "route/route_reset.h"

namespace korvel {

namespace {

constexpr std::array<std::uint8_t, 6> kSixteenBitHopMagic{'H', 'V', 'R', 'A', '5', '\0'};

bool readSlotImage(RouteHopSlot& slot, std::string_view name, std::span<const std::uint8_t> image,
                   Messages& messages) {
    if (image.size() >= kSixteenBitHopMagic.size() &&
        std::equal(kSixteenBitHopMagic.begin(), kSixteenBitHopMagic.end(), image.begin())) {
        messages.beep();
        messages.show(std::string("The file ") + std::string(name) +
                          " is created with 16-bit version of Korvel.\n"
                          " When saved, it will be converted to 32-bit format.",
                      kAppCaption, MessageIcon::Information);
    }
    StoredHop hop;
    if (parseHopImage(image, hop) != HopParseError::None) {
        messages.beep();
        messages.show(std::string("The file ") + std::string(name) +
                          " is not a valid Korvel hopfile.",
                      kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    if (!acceptStoredValues(hop, std::string(name), messages)) {
        return false;
    }
    fillHopSlot(slot, hop.record, hop.results);
    return true;
}

bool readSlot(RouteHopSlot& slot, const RouteState& state, std::string_view name,
              Messages& messages) {
    const auto file = fileInRouteFolder(state, name);
    const FileBytes read = file ? readHopBytes(*file) : FileBytes{FileReadStatus::NotFound, {}};
    if (!read) {
        const bool special = read.status == FileReadStatus::NotRegular;
        messages.show(std::string(name) + (special ? ": not a regular file." : " not found."),
                      kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    return readSlotImage(slot, name, read.bytes, messages);
}

} // namespace

void fillHopSlot(RouteHopSlot& slot, const HopRecord& record, const HopResults& results) {
    slot.station1.assign(record.station1Name.view());
    slot.station2.assign(record.station2Name.view());
    slot.objective = record.outageObjectivePct;
    slot.lengthKm = record.hopLengthKm;
    slot.rainUnavail = results.rainAnnualPct;
    slot.outage = record.diversityMode == DiversityMode::No ? results.p : results.pd;
}

bool readHopIntoSlot(RouteState& state, std::string_view name, int slotIndex, bool clearOnFailure,
                     Messages& messages) {
    if (slotIndex < 0 || slotIndex >= kMaxRouteHops) {
        return false;
    }
    RouteHopSlot& slot = state.slots[static_cast<std::size_t>(slotIndex)];
    if (readSlot(slot, state, name, messages)) {
        return true;
    }
    if (clearOnFailure) {
        clearHopSlot(slot);
    }
    return false;
}

bool readHopImageIntoSlot(RouteState& state, std::string_view name,
                          std::span<const std::uint8_t> image, int slotIndex, Messages& messages) {
    if (slotIndex < 0 || slotIndex >= kMaxRouteHops) {
        return false;
    }
    RouteHopSlot& slot = state.slots[static_cast<std::size_t>(slotIndex)];
    if (readSlotImage(slot, name, image, messages)) {
        return true;
    }
    clearHopSlot(slot);
    return false;
}

} // namespace korvel
