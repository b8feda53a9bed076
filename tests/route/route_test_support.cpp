#include "route/route_test_support.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "engine/hop_reset.h"
#include "hopfile/hop_file.h"
#include "platform/recording_messages.h"
#include "route/route_file.h"
#include "route/route_reset.h"

namespace korvel::test {

EquipmentLibrary makeRouteTestLibrary() {
    EquipmentLibrary library;
    const auto radio = [](const char* name, double frequencyGHz) {
        RadioEntry entry;
        entry.name.assign(name);
        entry.frequencyGHz = frequencyGHz;
        entry.bitRateMbps = 34;
        entry.defaultPtx = 1;
        entry.defaultPrxth = 4;
        entry.ptxDbm = {20, 25, 30};
        entry.berExponent = {-3, -6};
        entry.prxthDbm = {-80, -81, -82, -76, -77, -78};
        return entry;
    };
    library.radios = {radio("RADIO A", 7), radio("RADIO B", 23), radio("OTHER", 0)};
    library.diameterCount = {4, 0};
    library.antennaTables[0].diameterM = {0.6, 1.2, 1.8, 2.4};
    return library;
}

TempFolder::TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() /
                               (std::string("korvel-route-") + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
        }
    }
    if (path_.empty()) {
        throw std::runtime_error("no temporary folder");
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

HopState makeHop(const HopValues& values) {
    HopState hop;
    resetHopRecord(hop.record);
    resetHopResults(hop.results);
    resetHopSelection(hop, {});
    hop.record.radioName.assign(values.radioName);
    hop.selection.radioIndex = 1;
    hop.record.frequencyGHz = 23;
    hop.record.info.assign(values.info);
    hop.record.station1Name.assign(values.station1);
    hop.record.station2Name.assign(values.station2);
    hop.record.hopLengthKm = values.lengthKm;
    hop.record.outageObjectivePct = values.objectivePct;
    hop.record.diversityMode = values.diversity;
    hop.record.antenna1DiameterM = 0.6;
    hop.record.antenna2DiameterM = 0.6;
    hop.selection.antennaIndex = {0, 0, 0};
    hop.results.p = values.pPct;
    hop.results.pd = values.pdPct;
    hop.results.rainAnnualPct = values.rainAnnualPct;
    return hop;
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeHop(const std::filesystem::path& folder, const HopValues& values) {
    writeBytes(folder / values.fileName, hopFileImage(makeHop(values)));
}

RouteState buildRouteFolder(const std::filesystem::path& folder, const std::vector<HopValues>& hops,
                            double objectivePct, const EquipmentLibrary& library) {
    RouteState state;
    resetRoute(state, library, folder);
    state.record.fileName.assign("ROUTE.ROU");
    state.record.objective = objectivePct;
    state.record.hopCount = static_cast<std::int16_t>(hops.size());
    for (std::size_t i = 0; i < hops.size(); ++i) {
        writeHop(folder, hops[i]);
        state.record.hopFile[i].assign(hops[i].fileName);
        state.slots[i].station1.assign(hops[i].station1);
        state.slots[i].station2.assign(hops[i].station2);
        state.slots[i].lengthKm = hops[i].lengthKm;
        state.slots[i].objective = hops[i].objectivePct;
    }
    RecordingMessages messages;
    if (!writeRouteFile(state, messages)) {
        throw std::runtime_error("route file not written");
    }
    return state;
}

} // namespace korvel::test
