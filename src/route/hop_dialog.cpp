#include "route/hop_dialog.h"

#include <algorithm>
#include <string_view>

#include "fields/format_fixed.h"
#include "fields/numeric_entry.h"
#include "route/hop_slot_reader.h"
#include "route/objective_division.h"
#include "route/route_names.h"

namespace korvel {

namespace {

constexpr std::size_t kFileNameCharactersRead = 251;

// Hops the dialog walks through: at least one, at most the table.
int dialogHopCount(const RouteRecord& record) {
    return std::clamp<int>(record.hopCount, 1, kMaxRouteHops);
}

int validHop(const RouteState& state, int hop) {
    return std::clamp(hop, 0, dialogHopCount(state.record) - 1);
}

HopDialogOutcome showCurrentHop(RouteState& state) {
    state.currentHop = validHop(state, state.currentHop);
    applyDivision(state);
    return {true, HopDialogControl::FileName, hopDialogContent(state, state.currentHop)};
}

} // namespace

HopDialogContent hopDialogContent(const RouteState& state, int hop) {
    const auto index = static_cast<std::size_t>(validHop(state, hop));
    const RouteHopSlot& slot = state.slots[index];
    return {std::string("Hop # ") + std::to_string(index + 1),
            state.record.hopFile[index].str(),
            slot.station1.str(),
            slot.station2.str(),
            formatFixed(slot.objective, 4),
            formatFixed(slot.lengthKm, 1)};
}

HopDialogOutcome openHopDialog(RouteState& state) {
    return showCurrentHop(state);
}

HopDialogOutcome storeHop(RouteState& state, int hop, const HopDialogTexts& texts,
                          Messages& messages) {
    HopDialogOutcome refused;
    const auto objective = readRequiredNumber(texts.objective, messages);
    if (!objective) {
        refused.focus = HopDialogControl::Objective;
        return refused;
    }
    const auto lengthKm = readRequiredNumber(texts.lengthKm, messages);
    if (!lengthKm) {
        refused.focus = HopDialogControl::LengthKm;
        return refused;
    }
    const std::string_view fileName =
        std::string_view(texts.fileName).substr(0, kFileNameCharactersRead);
    if (!isValidRouteFileName(fileName)) {
        messages.beep();
        messages.show("Invalid data.", "Error", MessageIcon::None);
        refused.focus = HopDialogControl::FileName;
        return refused;
    }
    const auto index = static_cast<std::size_t>(validHop(state, hop));
    RouteHopSlot& slot = state.slots[index];
    state.record.hopFile[index].assign(storedHopFileName(fileName));
    slot.objective = *objective;
    slot.lengthKm = *lengthKm;
    slot.station1.assign(texts.station1);
    slot.station2.assign(texts.station2);
    return {true, HopDialogControl::FileName, {}};
}

HopDialogOutcome hopDialogRouteScreen(RouteState& state, const HopDialogTexts& texts,
                                      Messages& messages) {
    HopDialogOutcome outcome = storeHop(state, state.currentHop, texts, messages);
    if (outcome.accepted) {
        applyDivision(state);
    }
    return outcome;
}

HopDialogOutcome hopDialogPrevious(RouteState& state, const HopDialogTexts& texts,
                                   Messages& messages) {
    const HopDialogOutcome stored = storeHop(state, state.currentHop, texts, messages);
    if (!stored.accepted) {
        return stored;
    }
    const int current = validHop(state, state.currentHop);
    state.currentHop = current == 0 ? dialogHopCount(state.record) - 1 : current - 1;
    return showCurrentHop(state);
}

HopDialogOutcome hopDialogNext(RouteState& state, const HopDialogTexts& texts, Messages& messages) {
    const HopDialogOutcome stored = storeHop(state, state.currentHop, texts, messages);
    if (!stored.accepted) {
        return stored;
    }
    const int current = validHop(state, state.currentHop);
    state.currentHop = current == dialogHopCount(state.record) - 1 ? 0 : current + 1;
    return showCurrentHop(state);
}

HopDialogOutcome hopDialogFile(RouteState& state, const std::string& fileNameText,
                               Messages& messages) {
    state.currentHop = validHop(state, state.currentHop);
    const auto index = static_cast<std::size_t>(state.currentHop);
    state.record.hopFile[index].assign(
        storedHopFileName(std::string_view(fileNameText).substr(0, kFileNameCharactersRead)));
    readHopIntoSlot(state, state.record.hopFile[index].view(), state.currentHop, false, messages);
    return showCurrentHop(state);
}

} // namespace korvel
