#include "route/objective_division.h"

namespace korvel {

namespace {

// Hops the division covers; an invalid count covers none.
int dividedHops(const RouteRecord& record) {
    return isValidHopCount(record.hopCount) ? record.hopCount : 0;
}

} // namespace

void divideByNumber(RouteState& state) {
    const int count = dividedHops(state.record);
    for (int i = 0; i < count; ++i) {
        state.slots[static_cast<std::size_t>(i)].objective = state.record.objective / count;
    }
}

void divideByLength(RouteState& state) {
    const int count = dividedHops(state.record);
    double totalKm = 0;
    for (int i = 0; i < count; ++i) {
        totalKm += state.slots[static_cast<std::size_t>(i)].lengthKm;
    }
    if (!(totalKm > 0)) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        RouteHopSlot& slot = state.slots[static_cast<std::size_t>(i)];
        slot.objective = (slot.lengthKm / totalKm) * state.record.objective;
    }
}

void applyDivision(RouteState& state) {
    switch (state.record.divisionMethod) {
    case DivisionMethod::Number:
        divideByNumber(state);
        break;
    case DivisionMethod::Length:
        divideByLength(state);
        break;
    case DivisionMethod::Manual:
        break;
    }
}

std::optional<std::array<double, kMaxRouteHops>> availabilityShares(const RouteState& state) {
    if (!state.availabilityObjectivePct) {
        return std::nullopt;
    }
    const int count = dividedHops(state.record);
    double outageShares = 0;
    for (int i = 0; i < count; ++i) {
        outageShares += state.slots[static_cast<std::size_t>(i)].objective;
    }
    std::array<double, kMaxRouteHops> shares{};
    for (int i = 0; i < count; ++i) {
        const double part = outageShares > 0
                                ? state.slots[static_cast<std::size_t>(i)].objective / outageShares
                                : 1.0 / count;
        shares[static_cast<std::size_t>(i)] = part * *state.availabilityObjectivePct;
    }
    return shares;
}

} // namespace korvel
