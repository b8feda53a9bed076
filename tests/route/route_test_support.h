#pragma once
// Shared set-up for the route tests: a small library, hop files and a fixture holding a reset
// route in a fresh temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "hopfile/hop_file.h"
#include "route/route_file.h"
#include "route/route_reset.h"
#include "support/recording_messages.h"
#include "support/sample_hops.h"
#include "support/temp_folder.h"

namespace korvel::test {

// Radios "RADIO A" (7 GHz), "RADIO B" (23 GHz) and "OTHER"; Parab solid 0.6 to 2.4 m.
inline EquipmentLibrary makeRouteTestLibrary() {
    EquipmentLibrary library;
    for (const auto& [name, frequencyGHz] :
         {std::pair{"RADIO A", 7.0}, {"RADIO B", 23.0}, {"OTHER", 0.0}}) {
        RadioEntry& entry = library.radios.emplace_back();
        entry.name.assign(name);
        entry.frequencyGHz = frequencyGHz;
        entry.defaultPtx = 1;
        entry.defaultPrxth = 4;
        entry.ptxDbm = {20, 25, 30};
        entry.berExponent = {-3, -6};
        entry.prxthDbm = {-80, -81, -82, -76, -77, -78};
    }
    library.diameterCount = {4, 0};
    library.antennaTables[0].diameterM = {0.6, 1.2, 1.8, 2.4};
    return library;
}

// The values a test gives a hop of radio "RADIO B".
struct HopValues {
    std::string fileName{}, station1{}, station2{};
    double lengthKm = 0, objectivePct = 0;
    double pPct = 0, pdPct = 0; // outage without and with diversity
    DiversityMode diversity = DiversityMode::No;
    double rainAnnualPct = -1;
};

inline HopState makeHop(const HopValues& values) {
    HopState hop = test::hopAfterNew();
    HopRecord& r = hop.record;
    r.radioName.assign("RADIO B");
    r.station1Name.assign(values.station1);
    r.station2Name.assign(values.station2);
    r.hopLengthKm = values.lengthKm;
    r.outageObjectivePct = values.objectivePct;
    r.diversityMode = values.diversity;
    hop.results.p = values.pPct;
    hop.results.pd = values.pdPct;
    hop.results.rainAnnualPct = values.rainAnnualPct;
    return hop;
}

// A slot's values in one comparable piece.
inline auto slotValues(const RouteHopSlot& s) {
    return std::tuple(s.station1.view(), s.station2.view(), s.lengthKm, s.objective, s.outage,
                      s.rainUnavail);
}

// A route reset in a fresh temporary folder `dir` (removed afterwards), with its messages.
class RouteTest : public testing::Test {
  protected:
    RouteTest() { resetRoute(state, library, dir); }

    // Expects one message box since the last look, showing `text`; the messages are then cleared.
    MessageEvent expectBox(const std::string& text) {
        const auto boxes = messages.boxes();
        EXPECT_EQ(boxes.size(), 1u);
        const MessageEvent box = boxes.empty() ? MessageEvent{} : boxes.back();
        EXPECT_EQ(box.text, text);
        messages.clear();
        return box;
    }

    // Writes the hop files into `folder` and the route of them, "ROUTE.ROU".
    RouteState build(const std::filesystem::path& folder, const std::vector<HopValues>& hops,
                     double objectivePct) {
        RouteState route;
        resetRoute(route, library, folder);
        route.record.fileName.assign("ROUTE.ROU");
        route.record.objective = objectivePct;
        route.record.hopCount = static_cast<std::int16_t>(hops.size());
        for (std::size_t i = 0; i < hops.size(); ++i) {
            writeFile(folder / hops[i].fileName, hopFileImage(makeHop(hops[i])));
            route.record.hopFile[i].assign(hops[i].fileName);
            route.slots[i].station1.assign(hops[i].station1);
            route.slots[i].station2.assign(hops[i].station2);
            route.slots[i].lengthKm = hops[i].lengthKm;
            route.slots[i].objective = hops[i].objectivePct;
        }
        RecordingMessages quiet;
        EXPECT_TRUE(writeRouteFile(route, quiet));
        return route;
    }

    TempFolder tempFolder;
    const std::filesystem::path dir = tempFolder.path();
    EquipmentLibrary library = makeRouteTestLibrary();
    RouteState state;
    RecordingMessages messages;
};

} // namespace korvel::test
