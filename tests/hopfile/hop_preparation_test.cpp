#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

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

// Values the calculation divides by are refused as the pages refuse them.
TEST(HopPreparation, HopLengthAndChannelSpacingTheCalculationCannotUseAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto freq = DiversityMode::Freq;
    const struct {
        double hopLengthKm;
        DiversityMode diversity;
        double channelSpacingGHz;
        const char* refusal; // empty: accepted
        MessageIcon icon;
    } cases[] = {
        {0.1, freq, 0.00001, "", MessageIcon::None},
        {0.0999, DiversityMode::No, 0.0, "Invalid value : Hop length.", MessageIcon::Exclamation},
        {0.0, DiversityMode::No, 0.0, "Invalid value : Hop length.", MessageIcon::Exclamation},
        {-5.0, DiversityMode::No, 0.0, "Invalid value : Hop length.", MessageIcon::Exclamation},
        {nan, DiversityMode::No, 0.0, "Invalid value : Hop length.", MessageIcon::Exclamation},
        {40.0, DiversityMode::Space, 0.0, "", MessageIcon::None},
        {40.0, freq, 0.0000099, "Invalid value : Channel spacing.", MessageIcon::Warning},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hopLengthKm);
        HopRecord record;
        record.hopLengthKm = c.hopLengthKm;
        record.diversityMode = c.diversity;
        record.frequencyDifferenceGHz = c.channelSpacingGHz;
        RecordingMessages messages;
        const bool accepted =
            hopLengthAccepted(record, messages) && channelSpacingAccepted(record, messages);
        EXPECT_EQ(accepted, std::string(c.refusal).empty());
        if (accepted) {
            EXPECT_TRUE(messages.events().empty());
            continue;
        }
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].text, c.refusal);
        EXPECT_EQ(messages.boxes()[0].caption, "Error");
        EXPECT_EQ(messages.boxes()[0].icon, c.icon);
    }
}

} // namespace
} // namespace korvel
