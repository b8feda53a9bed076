#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "hopfile/hop_preparation.h"
#include "hopfile/library_checks.h"
#include "hopfile/test_hop.h"
#include "library/test_library.h"
#include "platform/recording_messages.h"

namespace korvel {
namespace {

using Indices = std::array<std::int16_t, 2>;

// The feeder indices of a hop as the file held them, after the reader's check and the Basics
// page's commit.
TEST(HopPreparation, FeederIndicesAfterReadingAndCommitting) {
    const EquipmentLibrary library = makeTestLibrary();
    const struct {
        const char* name;
        double frequencyGHz;
        FeederInsulation insulation;
        Indices inFile;
        Indices committed;
    } cases[] = {
        // Mended: the reader moved an index past the types to the last type, so the commit's
        // reset of both indices never happened.
        {"PastTheTypesAbove3GHz", 7.5, FeederInsulation::Foam, {3, 1}, {0, 0}},
        {"SecondPastTheTypes", 15.0, FeederInsulation::Foam, {1, 2}, {0, 0}},
        {"InsideTheTypes", 7.5, FeederInsulation::Foam, {2, 1}, {2, 1}},
        {"NegativeBroughtToZero", 7.5, FeederInsulation::Foam, {-2, 1}, {0, 1}},
        {"NoTableUsesTable0", 7.0, FeederInsulation::Air, {2, 3}, {0, 0}},
        {"NoTableInsideTable0", 7.0, FeederInsulation::Air, {2, 2}, {2, 2}},
        {"CoaxClampedByTheReader", 2.0, FeederInsulation::Air, {1, 3}, {1, 1}},
        {"CoaxNegative", 3.0, FeederInsulation::Air, {-1, 5}, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HopState hop = makeTestHop();
        hop.record.frequencyGHz = c.frequencyGHz;
        hop.record.feederInsulation = c.insulation;
        hop.selection.feederIndex = c.inFile;
        RecordingMessages messages;
        checkFeeders(hop, library, messages);
        commitFeederPosition(hop, library);
        EXPECT_EQ(hop.selection.feederIndex, c.committed);
    }
}

TEST(HopPreparation, HopLengthBelowATenthOfAKilometreIsRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [lengthKm, accepted] : {std::pair{0.1, true},
                                             {40.0, true},
                                             {0.0999, false},
                                             {0.0, false},
                                             {-5.0, false},
                                             {nan, false}}) {
        HopRecord record;
        record.hopLengthKm = lengthKm;
        RecordingMessages messages;
        EXPECT_EQ(hopLengthAccepted(record, messages), accepted) << lengthKm;
        if (accepted) {
            EXPECT_TRUE(messages.events().empty());
            continue;
        }
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].text, "Invalid value : Hop length.");
        EXPECT_EQ(messages.boxes()[0].caption, "Error");
        EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Exclamation);
    }
}

} // namespace
} // namespace korvel
