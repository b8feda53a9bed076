#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "library/test_library.h"
#include "platform/recording_messages.h"

namespace korvel {
namespace {

void putI16(std::vector<std::uint8_t>& image, std::size_t offset, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    image[offset] = static_cast<std::uint8_t>(bits & 0xFFu);
    image[offset + 1] = static_cast<std::uint8_t>(bits >> 8);
}

EquipmentLibrary coaxOnlyLibrary() {
    EquipmentLibrary library = makeTestLibrary();
    library.radios.resize(2);
    library.feederTables.resize(3);
    library.feederTypeCount.resize(3);
    library.frequencyCount.resize(3);
    return library;
}

TEST(LibraryFile, TwoRadiosAndThreeCoaxTablesMake8419Bytes) {
    EXPECT_EQ(libraryFileSize(2, 3), 8419u);
    EXPECT_EQ(libraryImage(coaxOnlyLibrary()).size(), 8419u);
}

TEST(LibraryFile, ImageParsesBackToTheSameBytes) {
    const std::vector<std::uint8_t> image = libraryImage(makeTestLibrary());
    EXPECT_EQ(image.size(), libraryFileSize(3, 5));
    EquipmentLibrary parsed;
    ASSERT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(parsed.radioCount(), 3);
    EXPECT_EQ(parsed.radio(2)->name.view(), "OTHER");
    EXPECT_EQ(parsed.feederTables[4].typeName[1].view(), "WG 15 std");
    EXPECT_EQ(parsed.identification.view(), "Test library 1");
    EXPECT_EQ(libraryImage(parsed), image);
}

TEST(LibraryFile, PaddingIsWrittenAsZeroAndIgnoredOnReading) {
    std::vector<std::uint8_t> image = libraryImage(makeTestLibrary());
    // The two 4-byte gaps of the first radio entry (entry at 14, gaps at 44 and 76).
    for (const std::size_t offset : {14u + 44u, 14u + 76u}) {
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(image[offset + i], 0) << offset + i;
            image[offset + i] = 0xAB;
        }
    }
    EquipmentLibrary parsed;
    ASSERT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(libraryImage(parsed), libraryImage(makeTestLibrary()));
}

TEST(LibraryFile, BytesAfterTheIdentificationAreIgnored) {
    std::vector<std::uint8_t> image = libraryImage(makeTestLibrary());
    const std::size_t size = image.size();
    image.insert(image.end(), {1, 2, 3});
    EquipmentLibrary parsed;
    ASSERT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(libraryImage(parsed).size(), size);
}

struct Refusal {
    const char* name;
    void (*spoil)(std::vector<std::uint8_t>& image);
    LibraryParseError expected;
};

// Offsets in the image of makeTestLibrary() (R = 3, F = 5).
constexpr std::size_t kTypeCounts = 334 + 200 * 3 + 2552 * 5;
constexpr std::size_t kFrequencyCounts = kTypeCounts + 2 * 5;

class LibraryRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(LibraryRefusal, LeavesTheLibraryAsItWas) {
    std::vector<std::uint8_t> image = libraryImage(makeTestLibrary());
    GetParam().spoil(image);
    EquipmentLibrary library = coaxOnlyLibrary();
    const std::vector<std::uint8_t> before = libraryImage(library);
    EXPECT_EQ(parseLibrary(image, library), GetParam().expected);
    EXPECT_EQ(libraryImage(library), before);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, LibraryRefusal,
    testing::Values(
        Refusal{"SixthMagicByteNotNul", [](auto& i) { i[5] = 'X'; }, LibraryParseError::WrongMagic},
        Refusal{"WrongMagic", [](auto& i) { i[4] = '2'; }, LibraryParseError::WrongMagic},
        Refusal{"FewerThanSixBytes", [](auto& i) { i.resize(5); }, LibraryParseError::TooShort},
        Refusal{"NoCounts", [](auto& i) { i.resize(13); }, LibraryParseError::TooShort},
        Refusal{"OneByteShort", [](auto& i) { i.pop_back(); }, LibraryParseError::TooShort},
        Refusal{"NoRadio", [](auto& i) { putI16(i, 6, 0); }, LibraryParseError::BadCounts},
        Refusal{"NegativeRadioCount", [](auto& i) { putI16(i, 6, -1); },
                LibraryParseError::BadCounts},
        Refusal{"FiftyOneRadios", [](auto& i) { putI16(i, 6, 51); }, LibraryParseError::BadCounts},
        Refusal{"NegativeDiameterCount", [](auto& i) { putI16(i, 8, -1); },
                LibraryParseError::BadCounts},
        Refusal{"ElevenGridDiameters", [](auto& i) { putI16(i, 10, 11); },
                LibraryParseError::BadCounts},
        Refusal{"NegativeFeederTableCount", [](auto& i) { putI16(i, 12, -3); },
                LibraryParseError::BadCounts},
        Refusal{"ThirtyOneFeederTables", [](auto& i) { putI16(i, 12, 31); },
                LibraryParseError::BadCounts},
        Refusal{"NineFeederTypes", [](auto& i) { putI16(i, kTypeCounts + 2, 9); },
                LibraryParseError::BadCounts},
        Refusal{"NegativeFeederTypes", [](auto& i) { putI16(i, kTypeCounts + 8, -1); },
                LibraryParseError::BadCounts},
        Refusal{"NineCoaxFrequencies", [](auto& i) { putI16(i, kFrequencyCounts, 9); },
                LibraryParseError::BadCounts},
        Refusal{"NegativeFrequencies", [](auto& i) { putI16(i, kFrequencyCounts + 8, -1); },
                LibraryParseError::BadCounts},
        Refusal{"DefaultPowerThree", [](auto& i) { putI16(i, 14 + 40, 3); },
                LibraryParseError::BadDefaultChoice},
        Refusal{"DefaultThresholdSix", [](auto& i) { putI16(i, 14 + 200 + 42, 6); },
                LibraryParseError::BadDefaultChoice}),
    [](const testing::TestParamInfo<Refusal>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(LibraryFile, CapacitiesThemselvesAreAccepted) {
    EquipmentLibrary library = makeTestLibrary();
    library.radios.resize(kMaxRadios, library.radios.back());
    library.diameterCount = {kMaxDiameters, kMaxDiameters};
    library.feederTables.resize(kMaxFeederTables, library.feederTables.back());
    library.feederTypeCount.resize(kMaxFeederTables, kMaxFeederTypes);
    library.frequencyCount.resize(kMaxFeederTables, kMaxCoaxFrequencies);
    const std::vector<std::uint8_t> image = libraryImage(library);
    EquipmentLibrary parsed;
    EXPECT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(libraryImage(parsed), image);
}

class LibraryFileOnDisk : public testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() /
            ("korvel-library-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path write(const std::vector<std::uint8_t>& image) {
        const std::filesystem::path file = folder_ / "korvel32.lbr";
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        return file;
    }

    std::filesystem::path folder_;
    RecordingMessages messages_;
};

TEST_F(LibraryFileOnDisk, ReadsAGoodFileSilently) {
    EquipmentLibrary library;
    EXPECT_TRUE(readLibrary(write(libraryImage(makeTestLibrary())), library, messages_));
    EXPECT_TRUE(messages_.events().empty());
    EXPECT_EQ(library.radioCount(), 3);
}

TEST_F(LibraryFileOnDisk, MissingFileCannotBeOpened) {
    EquipmentLibrary library = makeTestLibrary();
    EXPECT_FALSE(readLibrary(folder_ / "korvel32.lbr", library, messages_));
    ASSERT_EQ(messages_.events().size(), 1u);
    EXPECT_EQ(messages_.events()[0].text, "Cannot open libraryfile.");
    EXPECT_EQ(messages_.events()[0].caption, "Korvel");
    EXPECT_EQ(messages_.events()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(library.radioCount(), 3);
}

TEST_F(LibraryFileOnDisk, ShortFileIsIncorrectAndKeepsTheLibrary) {
    std::vector<std::uint8_t> image = libraryImage(coaxOnlyLibrary());
    image.pop_back();
    EquipmentLibrary library = makeTestLibrary();
    EXPECT_FALSE(readLibrary(write(image), library, messages_));
    ASSERT_EQ(messages_.events().size(), 1u);
    EXPECT_EQ(messages_.events()[0].text, "Incorrect libraryfile.");
    EXPECT_EQ(messages_.events()[0].caption, "Korvel");
    EXPECT_EQ(libraryImage(library), libraryImage(makeTestLibrary()));
}

} // namespace
} // namespace korvel
