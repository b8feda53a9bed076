#include "route/route_reset.h"

#include "route/route_folder.h"

namespace korvel {

void clearHopSlot(RouteHopSlot& slot) {
    slot = RouteHopSlot{};
}

std::int16_t berExponentOfChoice(const RadioEntry& radio, std::int16_t prxthChoice) {
    return prxthChoice <= kPrxthChoiceFirst + 2 ? radio.berExponent[0] : radio.berExponent[1];
}

void resetRoute(RouteState& state, const EquipmentLibrary& library,
                const std::filesystem::path& folder) {
    state = RouteState{};
    RouteRecord& record = state.record;
    record.hopRain.fill(-1.0);
    for (RouteHopSlot& slot : state.slots) {
        clearHopSlot(slot);
    }
    setRouteFolder(state, folder);
    if (const RadioEntry* radio = library.radio(0)) {
        record.radioIndex = 0;
        record.radioName.assign(radio->name.view());
        record.ptxChoice = static_cast<std::int16_t>(kPtxChoiceFirst + radio->defaultPtx);
        record.prxthChoice = static_cast<std::int16_t>(kPrxthChoiceFirst + radio->defaultPrxth);
        record.berExponent = berExponentOfChoice(*radio, record.prxthChoice);
    }
}

} // namespace korvel
