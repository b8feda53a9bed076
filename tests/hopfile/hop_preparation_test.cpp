#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>

#include "hopfile/hop_preparation.h"
#include "hopfile/library_checks.h"
#include "hopfile/page_rules.h"
#include "support/recording_messages.h"
#include "support/test_hop.h"
#include "support/test_library.h"

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
        HopState hop = test::makeTestHop();
        hop.record.frequencyGHz = c.frequencyGHz;
        hop.record.feederInsulation = c.insulation;
        hop.selection.feederIndex = c.inFile;
        RecordingMessages messages;
        checkFeeders(hop, library, messages);
        commitFeederPosition(hop, library);
        EXPECT_EQ(hop.selection.feederIndex, c.committed);
    }
}

// Values the calculation divides by are refused as the pages refuse them, before a calculation.
TEST(HopPreparation, HopLengthAndChannelSpacingTheCalculationCannotUseAreRefused) {
    const std::string length = "Error: Invalid value : Hop length.";
    const std::string spacing = "Error: Invalid value : Channel spacing.";
    // Fixed: korvel-cli said "Invalid value : Hop length." where the page lists the field as
    // holding no acceptable number.
    const std::string noNumber = "Error!: Invalid data : hop length.";
    const auto no = DiversityMode::No, freq = DiversityMode::Freq;
    const std::tuple<double, DiversityMode, double, std::string> cases[] = {
        {0.1, freq, 0.00001, ""},
        {0.0999, no, 0.0, length},
        {0.0, no, 0.0, length},
        {-5.0, no, 0.0, noNumber},
        {std::nan(""), no, 0.0, noNumber},
        {40.0, DiversityMode::Space, 0.0, ""},
        {40.0, freq, 0.0000099, spacing}};
    for (const auto& [lengthKm, diversity, spacingGHz, refusal] : cases) {
        HopState hop = test::makeTestHop();
        HopRecord& record = hop.record;
        record.hopLengthKm = lengthKm;
        record.diversityMode = diversity;
        record.frequencyDifferenceGHz = spacingGHz;
        RecordingMessages messages;
        const bool accepted = !pageRefusal(hop, messages);
        const auto boxes = messages.boxes();
        EXPECT_EQ(boxes.empty() ? "" : boxes[0].caption + ": " + boxes[0].text, refusal);
        EXPECT_TRUE(accepted == refusal.empty() && messages.events().size() == (accepted ? 0u : 1u))
            << lengthKm;
    }
}

} // namespace
} // namespace korvel
