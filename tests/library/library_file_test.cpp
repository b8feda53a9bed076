#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "platform/text_encoding.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/test_library.h"

namespace korvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

EquipmentLibrary coaxOnlyLibrary() {
    EquipmentLibrary library = makeTestLibrary();
    library.radios.resize(2);
    library.feederTables.resize(3);
    library.feederTypeCount.resize(3);
    library.frequencyCount.resize(3);
    return library;
}

TEST(LibraryFile, ImageParsesBackToTheSameBytes) {
    EXPECT_EQ(libraryFileSize(2, 3), 8419u);
    EXPECT_EQ(libraryImage(coaxOnlyLibrary()).size(), 8419u);
    Bytes image = libraryImage(makeTestLibrary());
    const Bytes expected = image;
    EXPECT_EQ(image.size(), libraryFileSize(3, 5));
    // The two 4-byte gaps of the first radio entry are written as zero and ignored on reading.
    for (const std::size_t offset : {14u + 44u, 14u + 76u}) {
        for (std::size_t i = offset; i < offset + 4; ++i) {
            EXPECT_EQ(image[i], 0) << i;
            image[i] = 0xAB;
        }
    }
    image.insert(image.end(), {1, 2, 3}); // bytes after the identification are ignored
    EquipmentLibrary parsed;
    ASSERT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(parsed.radio(2)->name.view(), "OTHER");
    EXPECT_EQ(parsed.feederTables[4].typeName[1].view(), "WG 15 std");
    EXPECT_EQ(parsed.identification.view(), "Test library 1");
    EXPECT_EQ(libraryImage(parsed), expected);
}

TEST(LibraryFile, CapacitiesThemselvesAreAccepted) {
    EquipmentLibrary library = makeTestLibrary();
    library.radios.resize(kMaxRadios, library.radios.back());
    library.diameterCount = {kMaxDiameters, kMaxDiameters};
    library.feederTables.resize(kMaxFeederTables, library.feederTables.back());
    library.feederTypeCount.resize(kMaxFeederTables, kMaxFeederTypes);
    library.frequencyCount.resize(kMaxFeederTables, kMaxCoaxFrequencies);
    const Bytes image = libraryImage(library);
    EquipmentLibrary parsed;
    EXPECT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(libraryImage(parsed), image);
}

// Every refusal leaves the library in memory as it was. Offsets in the image of makeTestLibrary()
// (R = 3, F = 5): counts at 6 (radios), 8 and 10 (diameters), 12 (feeder tables); feeder type
// and frequency counts after the tables; default choices in the radio entries.
TEST(LibraryFile, RefusalsLeaveTheLibraryAsItWas) {
    constexpr std::size_t kTypes = 334 + 200 * 3 + 2552 * 5;
    constexpr std::size_t kFrequencies = kTypes + 2 * 5;
    const std::size_t kWhole = libraryFileSize(3, 5);
    constexpr int kSame = 'L' | 'V' << 8; // the first two bytes as they are
    using E = LibraryParseError;
    const struct {
        const char* name;
        std::size_t at; // where to put `value`, a 16-bit number
        int value;
        std::size_t size;
        LibraryParseError error;
    } cases[] = {{"WrongMagic", 4, '2', kWhole, E::WrongMagic},
                 {"SixthMagicByteNotNul", 4, '3' | 'X' << 8, kWhole, E::WrongMagic},
                 {"FewerThanSixBytes", 0, kSame, 5, E::TooShort},
                 {"NoCounts", 0, kSame, 13, E::TooShort},
                 {"OneByteShort", 0, kSame, kWhole - 1, E::TooShort},
                 {"NoRadio", 6, 0, kWhole, E::BadCounts},
                 {"NegativeRadioCount", 6, -1, kWhole, E::BadCounts},
                 {"FiftyOneRadios", 6, 51, kWhole, E::BadCounts},
                 {"NegativeDiameterCount", 8, -1, kWhole, E::BadCounts},
                 {"ElevenGridDiameters", 10, 11, kWhole, E::BadCounts},
                 {"NegativeFeederTableCount", 12, -3, kWhole, E::BadCounts},
                 {"ThirtyOneFeederTables", 12, 31, kWhole, E::BadCounts},
                 {"NineFeederTypes", kTypes + 2, 9, kWhole, E::BadCounts},
                 {"NegativeFeederTypes", kTypes + 8, -1, kWhole, E::BadCounts},
                 {"NineCoaxFrequencies", kFrequencies, 9, kWhole, E::BadCounts},
                 {"NegativeFrequencies", kFrequencies + 8, -1, kWhole, E::BadCounts},
                 {"DefaultPowerThree", 14 + 40, 3, kWhole, E::BadDefaultChoice},
                 {"DefaultThresholdSix", 14 + 200 + 42, 6, kWhole, E::BadDefaultChoice}};
    for (const auto& c : cases) {
        Bytes image = libraryImage(makeTestLibrary());
        image[c.at] = static_cast<std::uint8_t>(c.value & 0xFF);
        image[c.at + 1] = static_cast<std::uint8_t>((c.value >> 8) & 0xFF);
        image.resize(c.size);
        EquipmentLibrary library = coaxOnlyLibrary();
        EXPECT_EQ(parseLibrary(image, library), c.error) << c.name;
        EXPECT_EQ(libraryImage(library), libraryImage(coaxOnlyLibrary())) << c.name;
    }
}

TEST(LibraryFile, ReadFromDiskSaysWhatIsWrongAndKeepsTheLibrary) {
    const test::TempFolder folder;
    const std::filesystem::path file = folder / "korvel32.lbr";
    const auto put = [&](const Bytes& image) { test::writeFile(file, image); };
    EquipmentLibrary library;
    RecordingMessages good;
    put(libraryImage(makeTestLibrary()));
    EXPECT_TRUE(readLibrary(file, library, good));
    EXPECT_TRUE(good.events().empty());
    EXPECT_EQ(library.radioCount(), 3);

    Bytes image = libraryImage(coaxOnlyLibrary());
    image.pop_back();
    put(image);
    // Mended: the message of a file that cannot be opened names the file it tried.
    const std::string cannotOpen = "Cannot open libraryfile.\n" + pathToCp1252(file);
    for (const std::string& text : {std::string("Incorrect libraryfile."), cannotOpen}) {
        RecordingMessages messages;
        EXPECT_FALSE(readLibrary(file, library, messages));
        ASSERT_EQ(messages.events().size(), 1u);
        EXPECT_EQ(messages.events()[0].text, text);
        EXPECT_EQ(messages.events()[0].caption, "Korvel");
        EXPECT_EQ(messages.events()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(libraryImage(library), libraryImage(makeTestLibrary()));
        std::filesystem::remove(file);
    }
}

} // namespace
} // namespace korvel
