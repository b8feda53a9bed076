#include "route/route_screen.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <system_error>

#include "engine/number_text.h"
#include "fields/numeric_entry.h"
#include "fields/numeric_text.h"
#include "platform/text_encoding.h"
#include "route/objective_division.h"
#include "route/route_folder.h"
#include "route/route_names.h"

namespace korvel {

namespace {

RouteScreenOutcome refuse(RouteScreenControl focus) {
    return {false, focus};
}

void showError(Messages& messages, std::string_view text) {
    messages.beep();
    messages.show(text, "Error", MessageIcon::None);
}

// The screen shows the folder as the directory field holds it, and its field may cut that
// further; such a text names the route's folder, not a new one.
bool namesRouteFolder(const RouteState& state, std::string_view typed) {
    const std::string shown = directoryFieldText(state.folder);
    return typed == utf8ToCp1252(state.folder.string()) || typed == shown ||
           (typed.size() >= kRouteTypedTextLength && std::string_view(shown).starts_with(typed));
}

bool isDirectory(const std::filesystem::path& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

struct HopLineValues {
    std::string name;
    std::string station1;
    std::string station2;
    const RouteHopSlot& slot;
};

HopLineValues hopLineValues(const RouteState& state, int hop) {
    const auto index = static_cast<std::size_t>(std::clamp(hop, 0, kMaxRouteHops - 1));
    const RouteHopSlot& slot = state.slots[index];
    return {shortHopName(state.record.hopFile[index].view()), slot.station1.str(),
            slot.station2.str(), slot};
}

} // namespace

RouteScreenOutcome acceptRouteScreen(RouteState& state, const EquipmentLibrary& library,
                                     const RouteScreenTexts& texts, RouteScreenAction action,
                                     Messages& messages) {
    const auto objective = readRequiredNumber(texts.objective, messages);
    if (!objective) {
        return refuse(RouteScreenControl::Objective);
    }
    if (!isNumericText(texts.hopCount) || texts.hopCount.find('.') != std::string::npos) {
        showError(messages, "Invalid data.");
        return refuse(RouteScreenControl::HopCount);
    }
    const double hopCount = numericTextValue(texts.hopCount);
    if (hopCount < 1 || hopCount > kMaxRouteHops) {
        showError(messages, kInvalidHopCountText);
        return refuse(RouteScreenControl::HopCount);
    }

    RouteRecord& record = state.record;
    const bool sameFolder = namesRouteFolder(state, texts.directory);
    const std::filesystem::path folder =
        sameFolder ? state.folder : folderFromText(state, texts.directory);
    record.directory.assign(std::string_view(texts.directory).substr(0, kDirectoryFieldLength));
    record.info.assign(std::string_view(texts.info).substr(0, kRouteTypedTextLength));
    const std::string_view fileName =
        std::string_view(texts.fileName).substr(0, kRouteTypedTextLength);
    record.fileName.assign(fileName);
    if (texts.directory.empty() || !isDirectory(folder)) {
        messages.show("Invalid route directory", kAppCaption, MessageIcon::Information);
        return refuse(RouteScreenControl::None);
    }
    setRouteFolder(state, folder);
    if (action == RouteScreenAction::HopCalc && !isValidRouteFileName(fileName)) {
        showError(messages, "Invalid data.");
        return refuse(RouteScreenControl::FileName);
    }
    record.fileName.assign(storedRouteFileName(fileName));

    record.objective = *objective;
    record.hopCount = static_cast<std::int16_t>(hopCount);
    record.divisionMethod = texts.division;
    const int radioIndex =
        std::clamp(texts.radioSelection, 0, std::max(library.radioCount() - 1, 0));
    if (const RadioEntry* radio = library.radio(radioIndex)) {
        record.radioIndex = static_cast<std::int16_t>(radioIndex);
        record.radioName.assign(radio->name.view());
        record.ptxChoice = static_cast<std::int16_t>(kPtxChoiceFirst + radio->defaultPtx);
        record.prxthChoice = static_cast<std::int16_t>(kPrxthChoiceFirst + radio->defaultPrxth);
    }
    const int lastHop = std::min(texts.hopLineCount, static_cast<int>(record.hopCount)) - 1;
    state.currentHop = texts.selectedHopLine < 0 || lastHop < 0
                           ? 0
                           : std::clamp(texts.selectedHopLine, 0, lastHop);
    if (action == RouteScreenAction::HopCalc && record.divisionMethod == DivisionMethod::Number) {
        divideByNumber(state);
    }
    return {true, RouteScreenControl::None};
}

std::string shortHopName(std::string_view fileName) {
    if (fileName.size() <= 13) {
        return std::string(fileName);
    }
    return std::string(fileName.substr(0, 10)) + "..";
}

std::string routeScreenHopLine(const RouteState& state, int hop) {
    const HopLineValues v = hopLineValues(state, hop);
    return formatNumbers("%-13s : %-19s \\ %-19s %6.1fkm  %6.4f%% %6.4f%%", v.name.c_str(),
                         v.station1.c_str(), v.station2.c_str(), v.slot.lengthKm, v.slot.objective,
                         v.slot.outage);
}

std::string hopsListLine(const RouteState& state, int hop) {
    const HopLineValues v = hopLineValues(state, hop);
    return formatNumbers("%-13s : %-19s \\ %-19s %6.4f%% %6.4f%%", v.name.c_str(),
                         v.station1.c_str(), v.station2.c_str(), v.slot.objective, v.slot.outage);
}

std::string withHopStatus(const std::string& line, RouteHopStatus status) {
    return line + "  " + std::string(routeHopStatusWords(status));
}

std::string notCalculatedText(int count) {
    if (count <= 0) {
        return {};
    }
    return std::to_string(count) + (count == 1 ? " hop" : " hops") + " not calculated";
}

} // namespace korvel
