#pragma once
// A complete 7.5 GHz hop that fits the test library (support/test_library.h): radio 0,
// 1.8 m and 2.4 m Parab solid antennas, Foam insulation, single-frequency feeders of table 3.
// Every stored field is set, and bytes after text terminators and in the reserved fields are
// not zero, so that a save that drops or swaps anything shows.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/hop_record.h"
#include "hopfile/hop_file.h"
#include "support/recording_messages.h"

namespace korvel {

inline HopState makeTestHop() {
    HopState hop;
    HopRecord& r = hop.record;
    r.info.assign("Hill A - Hill B");
    r.radioName.assign("MW 7.5-34");
    r.modeText.assign("NODIV / SINGLE");
    r.station1Name.assign("Hill A");
    r.station2Name.assign("Hill B");
    r.info.bytes[38] = 'z';
    r.radioName.bytes[19] = 'q';
    r.modeText.bytes[14] = '\x7f';
    r.station2Name.bytes[24] = '\xe9';
    r.frequencyGHz = 7.5;
    r.bitRateMbps = 34.368;
    r.ptxDbm = 27.0;
    r.prxthDbm = -78.0;
    r.branchingLossDb = 1.0;
    r.hopLengthKm = 40.0;
    r.outageObjectivePct = 0.005;
    r.reserved1 = 12.5;
    r.longitudeDeg = 24.0;
    r.latitudeDeg = 60.0;
    r.pLPct = 10.0;
    r.station1HeightM = 120.0;
    r.station2HeightM = 85.0;
    r.addTerrainLossDb = 0.5;
    r.thresholdDegradationDb = 1.5;
    r.antenna1DiameterM = 1.8;
    r.antenna2DiameterM = 2.4;
    r.antenna1GainDbi = 40.4;
    r.antenna2GainDbi = 42.9;
    r.antennaSpacingM = 10.0;
    r.antenna1HeightM = 30.0;
    r.antenna2HeightM = 45.0;
    r.feeder1LengthM = 40.0;
    r.feeder2LengthM = 55.0;
    r.feeder1LossDbPer100m = 3.4;
    r.feeder2LossDbPer100m = 3.4;
    r.connector1LossDb = 0.5;
    r.connector2LossDb = 0.5;
    r.msmRefDb = 28.0;
    r.rainRateMmH = 30.0;
    r.reserved2 = std::bit_cast<double>(std::uint64_t{0x7ff8dead0000beefu}); // a NaN
    r.berExponent = -6;
    r.eastWest = EastWest::East;
    r.northSouth = NorthSouth::North;
    r.landType = LandType::MediumWater;
    r.method = Method::Method1;
    r.antennaType = AntennaType::ParabSolid;
    r.feederInsulation = FeederInsulation::Foam;
    r.selectiveFading = SelectiveFading::Standard;
    r.diversityMode = DiversityMode::No;
    r.usageMode = UsageMode::Single;
    r.polarization = Polarization::Horizontal;

    hop.results = {0.7,    0.3,    2.5e-5, 1.86, 2.37,   142.04, 105.1, -78.1, 19.4,    30.1,
                   0.0021, 0.0004, 0.0,    0.0,  0.0025, 0.0,    0.0,   0.0,   0.00012, 0.0031};
    HopSelection& sel = hop.selection;
    sel.antennaIndex = {2, 3, 3};
    sel.userGain = {0, 1, 0};
    sel.branchingLossSet = 1;
    sel.ptxChoice = 1009;
    sel.prxthChoice = 1018;
    sel.otherBerExponent = -5;
    sel.otherPtxText.assign("25.5");
    sel.otherPrxthText.assign("-81");
    sel.otherPtxText.bytes[10] = '1';
    sel.otherPrxthText.bytes[19] = '2';
    return hop;
}

// Offset in the file of the hop record block (current layout), and its padding: (offset in
// the block, size).
inline constexpr std::size_t kRecordBlock = 82;
inline constexpr std::array<std::pair<std::size_t, std::size_t>, 5> kRecordPadding{
    {{60, 4}, {90, 6}, {127, 1}, {180, 4}, {426, 6}}};

// The hop in the 16-bit layout: the current image without the record's padding.
inline std::vector<std::uint8_t> sixteenBitImage(const HopState& hop) {
    std::vector<std::uint8_t> image = hopFileImage(hop);
    image[4] = '5';
    for (auto gap = kRecordPadding.rbegin(); gap != kRecordPadding.rend(); ++gap) {
        const auto first = image.begin() + static_cast<std::ptrdiff_t>(kRecordBlock + gap->first);
        image.erase(first, first + static_cast<std::ptrdiff_t>(gap->second));
    }
    return image;
}

// One beep, then one box with the caption, an exclamation icon and an OK button.
inline void expectWarning(const RecordingMessages& messages, const std::string& text) {
    ASSERT_EQ(messages.events().size(), 2u);
    EXPECT_EQ(messages.events()[0].kind, MessageEvent::Kind::Beep);
    const MessageEvent& box = messages.events()[1];
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "Korvel");
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

} // namespace korvel
