// The reader rule for damaged values inside a well-formed hop file, as both programs meet it.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hopfile/hop_file.h"
#include "hopfile/stored_values.h"
#include "route/hop_slot_reader.h"
#include "route/route_file.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/test_hop.h"
#include "support/test_library.h"

namespace korvel {
namespace {

class DamagedHopValues : public testing::Test {
  protected:
    // Reads `saved` from a file; the texts of the boxes shown.
    std::vector<std::string> readBack(const HopState& saved, HopState& hop, bool& read) {
        test::writeFile(file_, hopFileImage(saved));
        RecordingMessages messages;
        read = readHopFile(hop, library_, file_, "LINK1.HOP", messages);
        std::vector<std::string> texts;
        for (const MessageEvent& box : messages.boxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    test::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "LINK1.HOP";
    EquipmentLibrary library_ = makeTestLibrary();
};

// Mended: a selective fading mode of 32767 opened silently (no choice shown, "inf %" results);
// NaN, infinite and 1e308 values opened without a word.
TEST_F(DamagedHopValues, ChoicesAndNumbersThatCannotBeUsedRefuseTheFile) {
    const HopState untouched = test::makeTestHop();
    struct Damage {
        void (*apply)(HopRecord&);
        const char* said;
    };
    const Damage damages[] = {
        {[](HopRecord& r) { r.selectiveFading = static_cast<SelectiveFading>(32767); },
         "The value of record.selectiveFading (32767) is not one of its choices."},
        {[](HopRecord& r) { r.diversityMode = static_cast<DiversityMode>(0); },
         "The value of record.diversityMode (0) is not one of its choices."},
        {[](HopRecord& r) { r.hopLengthKm = std::nan(""); },
         "The value of record.hopLengthKm (nan) is not a finite number."},
        {[](HopRecord& r) { r.frequencyGHz = -std::numeric_limits<double>::infinity(); },
         "The value of record.frequencyGHz (-inf) is not a finite number."},
        {[](HopRecord& r) { r.feeder1LossDbPer100m = 1e308; },
         "The value of record.feeder1LossDbPer100m (1e+308) is beyond any hop."}};
    for (const Damage& damage : damages) {
        HopState saved = test::makeTestHop();
        damage.apply(saved.record);
        HopState hop = untouched;
        bool read = true;
        const auto texts = readBack(saved, hop, read);
        EXPECT_FALSE(read);
        EXPECT_EQ(texts, std::vector<std::string>{std::string("Error while opening LINK1.HOP. ") +
                                                  damage.said});
        EXPECT_EQ(hopFileImage(hop), hopFileImage(untouched)) << damage.said;
    }
}

TEST_F(DamagedHopValues, PolarizationAndResultsAreRepairedWithANoticeAndReservedKept) {
    HopState saved = test::makeTestHop();
    saved.record.polarization = static_cast<Polarization>(7);
    saved.results.pfm = std::numeric_limits<double>::infinity();
    saved.results.Ifm = -1e300;
    HopState hop;
    bool read = false;
    const auto texts = readBack(saved, hop, read);
    EXPECT_TRUE(read);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "In LINK1.HOP the value of record.polarization (7) is not one of its "
                         "choices; it is set to Vertical.",
                         "In LINK1.HOP the value of results.pfm (inf) is not a finite number; it "
                         "is set to 0 until the hop is calculated again.",
                         "In LINK1.HOP the value of results.Ifm (-1e+300) is beyond any hop; it "
                         "is set to 0 until the hop is calculated again."}));
    EXPECT_EQ(hop.record.polarization, Polarization::Vertical);
    EXPECT_EQ(hop.results.pfm, 0.0);
    EXPECT_EQ(hop.results.Ifm, 0.0);
    EXPECT_TRUE(std::isnan(hop.record.reserved2)); // not the program's: carried as it is
}

// The route reads a hop into its slot by the same rule.
TEST_F(DamagedHopValues, ARouteSlotRefusesTheSameHop) {
    HopState saved = test::makeTestHop();
    saved.record.outageObjectivePct = std::nan("");
    test::writeFile(file_, hopFileImage(saved));
    RouteState route;
    route.folder = folder_.path();
    route.slots[0].outage = 5;
    RecordingMessages messages;
    EXPECT_FALSE(readHopIntoSlot(route, "LINK1.HOP", 0, true, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Error while opening LINK1.HOP. The value of "
                                        "record.outageObjectivePct (nan) is not a finite number.");
    EXPECT_EQ(route.slots[0].outage, 0.0);
}

// The route file's own values follow the same rule.
TEST_F(DamagedHopValues, ARouteWithADamagedObjectiveIsRefusedAndItsSumsRepaired) {
    RouteRecord record;
    record.hopCount = 2;
    record.objective = std::nan("");
    record.radioName.assign("MW 7.5-34");
    const auto route = folder_ / "R.ROU";
    test::writeFile(route, routeFileImage(record));
    RouteState state;
    RecordingMessages refused;
    EXPECT_FALSE(readRouteFile(state, library_, route, refused));
    ASSERT_EQ(refused.boxes().size(), 1u);
    EXPECT_EQ(refused.boxes()[0].text,
              "Error while opening R.ROU. The value of route.objective (nan) is not a finite "
              "number.");
    record.objective = 0.01;
    record.hopOutage[1] = std::numeric_limits<double>::infinity();
    record.hopRain[5] = std::nan(""); // past the hop count: repaired without a word
    test::writeFile(route, routeFileImage(record));
    RecordingMessages repaired;
    EXPECT_TRUE(readRouteFile(state, library_, route, repaired));
    ASSERT_EQ(repaired.boxes().size(), 1u);
    EXPECT_EQ(repaired.boxes()[0].text, "In R.ROU the value of route.hopOutage[1] (inf) is not a "
                                        "finite number; it is set to 0.");
    EXPECT_EQ(state.record.hopRain[5], -1.0);
}

} // namespace
} // namespace korvel
