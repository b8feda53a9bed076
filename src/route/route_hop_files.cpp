#include "route/route_hop_files.h"

#include <fstream>
#include <system_error>

#include "engine/hop_verdict.h"
#include "engine/stored_results.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "library/new_hop.h"
#include "platform/text_encoding.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_overwrite.h"
#include "route/route_reset.h"

namespace korvel {

namespace {

bool fileExists(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

void applyRouteBasics(const RouteState& state, std::size_t index, HopRecord& record) {
    const RouteHopSlot& slot = state.slots[index];
    record.info = state.record.info;
    record.station1Name.assign(slot.station1.view());
    record.station2Name.assign(slot.station2.view());
    record.hopLengthKm = slot.lengthKm;
    record.outageObjectivePct = slot.objective;
}

} // namespace

bool routeHopFilesExist(const RouteState& state) {
    const int count = isValidHopCount(state.record.hopCount) ? state.record.hopCount : 0;
    for (int i = 0; i < count; ++i) {
        const auto file =
            fileInRouteFolder(state, state.record.hopFile[static_cast<std::size_t>(i)].view());
        if (file && fileExists(*file)) {
            return true;
        }
    }
    return false;
}

void applyRouteRadio(const RouteRecord& route, const RadioEntry& radio, HopState& hop) {
    const int ptx = route.ptxChoice - kPtxChoiceFirst;
    const int prxth = route.prxthChoice - kPrxthChoiceFirst;
    HopRecord& record = hop.record;
    record.radioName = route.radioName;
    record.frequencyGHz = radio.frequencyGHz;
    record.bitRateMbps = radio.bitRateMbps;
    record.ptxDbm =
        radio.ptxDbm[static_cast<std::size_t>(ptx >= 0 && ptx < 3 ? ptx : radio.defaultPtx)];
    record.prxthDbm = radio.prxthDbm[static_cast<std::size_t>(
        prxth >= 0 && prxth < 6 ? prxth : radio.defaultPrxth)];
    record.berExponent = berExponentOfChoice(radio, route.prxthChoice);
    hop.selection.radioIndex = route.radioIndex;
}

bool writeRouteIntoHopFiles(RouteState& state, HopState& hop, const EquipmentLibrary& library,
                            std::filesystem::path& currentHopFileName, Messages& messages,
                            bool refreshStale) {
    RouteRecord& route = state.record;
    if (!isValidHopCount(route.hopCount)) {
        messages.beep();
        messages.show(kInvalidHopCountText, kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    if (!checkRouteRadio(route, library, messages) || !routeHopFilesReplaceable(state, messages)) {
        return false;
    }
    const RadioEntry& radio = *library.radio(route.radioIndex);
    for (int i = 0; i < route.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const std::string name = route.hopFile[index].str();
        currentHopFileName = pathFromCp1252(name);
        const auto file = fileInRouteFolder(state, name);
        if (!file) {
            messages.show("Cannot open " + name, kAppCaption, MessageIcon::None);
            currentHopFileName.clear();
            return false;
        }
        const bool created = !fileExists(*file);
        if (created) {
            std::ofstream emptyFile(*file, std::ios::binary);
            resetHopState(hop, library);
        } else if (!readHopFile(hop, library, *file, pathToCp1252(*file), messages)) {
            return false;
        }
        if (created || state.overwriteRadioData) {
            applyRouteRadio(route, radio, hop);
        }
        if (created || state.overwriteBasicData) {
            applyRouteBasics(state, index, hop.record);
        }
        // Results of the hop's older data are worked out again, or cleared, before it is written.
        if (refreshStale && hasResults(hop.results) && !storedResultsCurrent(hop)) {
            refreshResults(hop, library);
        }
        std::string shownName = pathToCp1252(*file); // emptied when the write fails
        if (!writeHopFile(hop, *file, shownName, shownName, messages)) {
            currentHopFileName.clear();
            if (created) {
                // An empty hop file left behind would later read as a damaged one.
                std::error_code error;
                std::filesystem::remove(*file, error);
            }
            return false;
        }
    }
    return true;
}

bool loadCurrentRouteHop(RouteState& state, HopState& hop, const EquipmentLibrary& library,
                         std::filesystem::path& currentHopFileName, Messages& messages) {
    const int count = isValidHopCount(state.record.hopCount) ? state.record.hopCount : 0;
    if (state.currentHop < 0 || state.currentHop >= count) {
        messages.beep();
        messages.show(kInvalidHopCountText, kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    const std::string name = state.record.hopFile[static_cast<std::size_t>(state.currentHop)].str();
    currentHopFileName = pathFromCp1252(name);
    const auto file = fileInRouteFolder(state, name);
    if (!file) {
        messages.show("Cannot open " + name, kAppCaption, MessageIcon::None);
        return false;
    }
    if (!readHopFile(hop, library, *file, pathToCp1252(*file), messages)) {
        return false;
    }
    state.routeHopActive = true;
    return true;
}

} // namespace korvel
