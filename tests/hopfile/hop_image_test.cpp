#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "hopfile/hop_file.h"
#include "hopfile/test_hop.h"

namespace korvel {
namespace {

constexpr std::size_t kRecord = kRecordBlock;
constexpr std::size_t kResults = 522; // results block

double f64At(const std::vector<std::uint8_t>& image, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(image[offset + i]) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

std::int16_t i16At(const std::vector<std::uint8_t>& image, std::size_t offset) {
    return static_cast<std::int16_t>(image[offset] | (image[offset + 1] << 8));
}

// Bytes after text terminators and in the reserved fields, which a save must keep.
HopState hopWithHiddenBytes() {
    HopState hop = makeTestHop();
    hop.record.info.bytes[38] = 'z';
    hop.record.radioName.bytes[19] = 'q';
    hop.record.modeText.bytes[14] = '\x7f';
    hop.record.station2Name.bytes[24] = '\xe9';
    hop.selection.otherPtxText.bytes[10] = '1';
    hop.selection.otherPrxthText.bytes[19] = '2';
    hop.record.reserved1 = -0.0;
    hop.record.reserved2 = std::bit_cast<double>(std::uint64_t{0x7ff8dead0000beefu}); // a NaN
    return hop;
}

TEST(HopImage, FieldsSitAtTheirOffsets) {
    const std::vector<std::uint8_t> image = hopFileImage(makeTestHop());
    ASSERT_EQ(image.size(), kHopFileSize);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 6), std::string("HVRA6\0", 6));
    EXPECT_EQ(i16At(image, 8), 2);       // antennaIndex 0
    EXPECT_EQ(i16At(image, 36), 1009);   // ptxChoice
    EXPECT_EQ(image[42], '2');           // otherPtxText
    EXPECT_EQ(image[kRecord + 40], 'M'); // radioName
    EXPECT_EQ(f64At(image, kRecord + 64), 7.5);
    EXPECT_EQ(i16At(image, kRecord + 88), -6);
    EXPECT_EQ(image[kRecord + 112], 'N'); // modeText
    EXPECT_EQ(f64At(image, kRecord + 144), 12.5);
    EXPECT_EQ(i16At(image, kRecord + 194), 1139);
    EXPECT_EQ(image[kRecord + 231], 'H'); // station2Name
    EXPECT_EQ(f64At(image, kRecord + 256), 120.0);
    EXPECT_EQ(f64At(image, kRecord + 416), 0.0);
    EXPECT_EQ(i16At(image, kRecord + 424), 2000);
    EXPECT_EQ(f64At(image, kRecord + 432), 30.0);
    EXPECT_EQ(f64At(image, kResults), 0.7);
    EXPECT_EQ(f64At(image, kResults + 152), 0.0031);
    for (const auto& [offset, size] : kRecordPadding) {
        for (std::size_t i = 0; i < size; ++i) {
            EXPECT_EQ(image[kRecord + offset + i], 0) << "padding at " << offset + i;
        }
    }
}

TEST(HopImage, ParsedImageWritesBackBitForBit) {
    const std::vector<std::uint8_t> image = hopFileImage(hopWithHiddenBytes());
    StoredHop stored;
    ASSERT_EQ(parseHopImage(image, stored), HopParseError::None);
    EXPECT_EQ(stored.version, HopFileVersion::Current);
    HopState back;
    back.record = stored.record;
    back.results = stored.results;
    back.selection = stored.selection;
    EXPECT_EQ(hopFileImage(back), image);
}

TEST(HopImage, SixteenBitFileReadsIntoTheSameHop) {
    const HopState hop = hopWithHiddenBytes();
    const std::vector<std::uint8_t> old = sixteenBitImage(hop);
    ASSERT_EQ(old.size(), kOldHopFileSize);
    StoredHop stored;
    ASSERT_EQ(parseHopImage(old, stored), HopParseError::None);
    EXPECT_EQ(stored.version, HopFileVersion::SixteenBit);
    HopState back;
    back.record = stored.record;
    back.results = stored.results;
    back.selection = stored.selection;
    EXPECT_EQ(hopFileImage(back), hopFileImage(hop));
}

TEST(HopImage, BranchingLossSetKeepsItsLowSixteenBits) {
    HopState hop = makeTestHop();
    hop.selection.branchingLossSet = 0x12345;
    std::vector<std::uint8_t> image = hopFileImage(hop);
    EXPECT_EQ(i16At(image, 34), 0x2345);
    image[34] = 0xFF;
    image[35] = 0xFF;
    StoredHop stored;
    ASSERT_EQ(parseHopImage(image, stored), HopParseError::None);
    EXPECT_EQ(stored.selection.branchingLossSet, -1);
}

struct BadImage {
    const char* name;
    std::vector<std::uint8_t> (*make)();
    HopParseError expected;
};

class HopImageRefusal : public testing::TestWithParam<BadImage> {};

TEST_P(HopImageRefusal, LeavesTheStoredHopAlone) {
    StoredHop stored;
    stored.record.info.assign("untouched");
    EXPECT_EQ(parseHopImage(GetParam().make(), stored), GetParam().expected);
    EXPECT_EQ(stored.record.info.view(), "untouched");
    EXPECT_EQ(stored.version, HopFileVersion::Current);
}

INSTANTIATE_TEST_SUITE_P(Refusals, HopImageRefusal,
                         testing::Values(BadImage{"Empty",
                                                  [] { return std::vector<std::uint8_t>{}; },
                                                  HopParseError::WrongMagic},
                                         BadImage{"SixthByteNotNul",
                                                  [] {
                                                      auto image = hopFileImage(makeTestHop());
                                                      image[5] = '!';
                                                      return image;
                                                  },
                                                  HopParseError::WrongMagic},
                                         BadImage{"RouteFileMagic",
                                                  [] {
                                                      auto image = hopFileImage(makeTestHop());
                                                      image[0] = 'R';
                                                      return image;
                                                  },
                                                  HopParseError::WrongMagic},
                                         BadImage{"CurrentOneByteShort",
                                                  [] {
                                                      auto image = hopFileImage(makeTestHop());
                                                      image.pop_back();
                                                      return image;
                                                  },
                                                  HopParseError::TooShort},
                                         BadImage{"MagicOnly",
                                                  [] {
                                                      auto image = hopFileImage(makeTestHop());
                                                      image.resize(6);
                                                      return image;
                                                  },
                                                  HopParseError::TooShort},
                                         BadImage{"SixteenBitOneByteShort",
                                                  [] {
                                                      auto image = sixteenBitImage(makeTestHop());
                                                      image.pop_back();
                                                      return image;
                                                  },
                                                  HopParseError::TooShort}),
                         [](const testing::TestParamInfo<BadImage>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(HopImage, BytesAfterTheLayoutAreIgnored) {
    std::vector<std::uint8_t> image = hopFileImage(makeTestHop());
    image.insert(image.end(), 100, 0xCC);
    StoredHop stored;
    EXPECT_EQ(parseHopImage(image, stored), HopParseError::None);
}

struct ExtensionCase {
    const char* name;
    const char* typed;
    const char* expected;
};

class DefaultExtension : public testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtension, AppendsOnlyWithoutADotInTheLastComponent) {
    EXPECT_EQ(appendDefaultExtension(GetParam().typed, ".HOP"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DefaultExtension,
    testing::Values(ExtensionCase{"Bare", "link1", "link1.HOP"},
                    ExtensionCase{"HasExtension", "link1.hop", "link1.hop"},
                    ExtensionCase{"TrailingDot", "link1.", "link1."},
                    ExtensionCase{"DotInFolderSlash", "site.v2/link1", "site.v2/link1.HOP"},
                    ExtensionCase{"DotInFolderBackslash", "site.v2\\link1", "site.v2\\link1.HOP"},
                    ExtensionCase{"DriveColon", "a:link1", "a:link1.HOP"},
                    ExtensionCase{"DotInLastAfterFolder", "hops/link1.old", "hops/link1.old"},
                    ExtensionCase{"LeadingDot", ".link", ".link"},
                    ExtensionCase{"Empty", "", ".HOP"}),
    [](const testing::TestParamInfo<ExtensionCase>& testCase) {
        return std::string(testCase.param.name);
    });

} // namespace
} // namespace korvel
