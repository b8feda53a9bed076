#include "route/route_summary.h"

#include "route/hop_slot_reader.h"

namespace korvel {

namespace {

bool refuseInvalidCount(const RouteRecord& record, Messages& messages) {
    if (isValidHopCount(record.hopCount)) {
        return false;
    }
    messages.beep();
    messages.show(kInvalidHopCountText, kAppCaption, MessageIcon::Exclamation);
    return true;
}

} // namespace

bool summarizeRoute(RouteState& state, const HopState& hop, Messages& messages) {
    RouteRecord& record = state.record;
    if (refuseInvalidCount(record, messages)) {
        return false;
    }
    record.totalOutage = 0;
    for (int i = 0; i < record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        RouteHopSlot& slot = state.slots[index];
        if (i == state.currentHop) {
            fillHopSlot(slot, hop.record, hop.results);
        } else {
            readHopIntoSlot(state, record.hopFile[index].view(), i, false, messages);
        }
        record.hopOutage[index] = slot.outage;
        record.totalOutage += slot.outage;
        record.hopRain[index] = slot.rainUnavail;
    }
    return true;
}

bool summarizeOpenedRoute(RouteState& state, Messages& messages) {
    RouteRecord& record = state.record;
    if (refuseInvalidCount(record, messages)) {
        return false;
    }
    record.totalOutage = 0;
    for (int i = 0; i < record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        readHopIntoSlot(state, record.hopFile[index].view(), i, true, messages);
        record.hopOutage[index] = state.slots[index].outage;
        record.totalOutage += state.slots[index].outage;
    }
    return true;
}

double designMarginPct(const RouteRecord& record) {
    return record.objective - record.totalOutage;
}

} // namespace korvel
