#include <gtest/gtest.h>

#include "library/byte_io.h"
#include "platform/recording_messages.h"
#include "route/route_file.h"
#include "route/route_reset.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

using test::readBytes;
using test::writeBytes;

class RouteFile : public testing::Test {
  protected:
    RouteFile() {
        resetRoute(state, library, folder.path());
        RouteRecord& r = state.record;
        r.fileName.assign("LINE.ROU");
        r.info.assign("North line");
        r.objective = 0.005;
        r.totalOutage = 0.004;
        r.hopCount = 2;
        r.divisionMethod = DivisionMethod::Length;
        r.hopFile[0].assign("A.HOP");
        r.hopFile[1].assign("B.HOP");
        r.hopOutage[0] = 0.001;
        r.hopOutage[1] = 0.003;
        r.hopRain[1] = 0.0002;
        r.radioIndex = 1;
        r.radioName.assign("RADIO B");
        r.ptxChoice = 1010;
        r.prxthChoice = 1016;
        r.berExponent = -3;
    }

    std::filesystem::path routeFile() const { return folder.path() / "LINE.ROU"; }

    // The 16-bit layout of the fixture's route; `tailFieldSize` is 2 or 8.
    std::vector<std::uint8_t> sixteenBitImage(std::size_t tailFieldSize) const {
        const RouteRecord& r = state.record;
        std::vector<std::uint8_t> image;
        ByteWriter out(image);
        out.writeBytes(std::vector<std::uint8_t>{'R', 'V', 'R', 'A', '2', 0});
        out.writeText(r.directory);
        out.writeText(r.fileName);
        out.writeText(r.info);
        out.writeF64(r.objective);
        out.writeF64(r.totalOutage);
        for (const double value : r.hopOutage) {
            out.writeF64(value);
        }
        for (const double value : r.hopRain) {
            out.writeF64(value);
        }
        out.writeI16(r.hopCount);
        out.writeI16(static_cast<std::int16_t>(r.divisionMethod));
        for (const FixedText<256>& name : r.hopFile) {
            FixedText<14> shortName;
            shortName.assign(name.view());
            out.writeText(shortName);
        }
        out.writeText(r.radioName);
        out.writeI16(r.radioIndex);
        for (const std::int16_t value : {r.ptxChoice, r.prxthChoice, r.berExponent}) {
            out.writeI16(value);
            out.zeros(tailFieldSize - 2);
        }
        return image;
    }

    EquipmentLibrary library = test::makeRouteTestLibrary();
    test::TempFolder folder;
    RouteState state;
    RecordingMessages messages;
};

TEST_F(RouteFile, RoundTripKeepsTheRecord) {
    ASSERT_TRUE(writeRouteFile(state, messages));
    const auto bytes = readBytes(routeFile());
    ASSERT_EQ(bytes.size(), kRouteFileSize);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), std::string("RVRA3\0", 6));
    EXPECT_EQ(bytes[5636], 0xFD); // berExponent -3, little-endian
    EXPECT_EQ(bytes[5637], 0xFF);

    RouteState read;
    resetRoute(read, library, "/elsewhere");
    ASSERT_TRUE(readRouteFile(read, library, routeFile(), messages));
    EXPECT_TRUE(messages.events().empty());
    EXPECT_EQ(routeFileImage(read.record), routeFileImage(state.record));
    EXPECT_EQ(read.folder, folder.path());
}

TEST_F(RouteFile, AllTwentySlotsAreWritten) {
    state.record.hopCount = 1;
    state.record.hopFile[19].assign("LAST.HOP");
    state.record.hopRain[19] = 0.5;
    ASSERT_TRUE(writeRouteFile(state, messages));
    RouteState read;
    ASSERT_TRUE(readRouteFile(read, library, routeFile(), messages));
    EXPECT_EQ(read.record.hopFile[19].view(), "LAST.HOP");
    EXPECT_EQ(read.record.hopRain[19], 0.5);
}

TEST_F(RouteFile, SixteenBitFileIsReadAndConvertedOnWrite) {
    for (const std::size_t tail : {std::size_t{2}, std::size_t{8}}) {
        state.record.hopFile[0].assign("HOPNAME12.HOP"); // 13 characters and the terminator
        const auto image = sixteenBitImage(tail);
        ASSERT_EQ(image.size(), tail == 2 ? kOldRouteFileSize : kOldRouteFileWideTailSize);
        writeBytes(routeFile(), image);
        messages.clear();

        RouteState read;
        ASSERT_TRUE(readRouteFile(read, library, routeFile(), messages)) << tail;
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].text, "This file is created with 16-bit version of Korvel."
                                            " If saved, it will be converted to 32-bit format.");
        EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Information);
        EXPECT_EQ(messages.beepCount(), 1u);
        EXPECT_EQ(read.record.hopFile[0].view(), "HOPNAME12.HOP");
        EXPECT_EQ(read.record.hopFile[1].view(), "B.HOP");
        EXPECT_EQ(read.record.ptxChoice, 1010) << tail;
        EXPECT_EQ(read.record.prxthChoice, 1016) << tail;
        EXPECT_EQ(read.record.berExponent, -3) << tail;
        EXPECT_EQ(read.record.hopRain[1], 0.0002);

        ASSERT_TRUE(writeRouteFile(read, messages));
        const auto converted = readBytes(routeFile());
        ASSERT_EQ(converted.size(), kRouteFileSize);
        EXPECT_EQ(converted[4], '3');
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&converted[490])), "HOPNAME12.HOP");
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&converted[490 + 256])), "B.HOP");
    }
}

TEST_F(RouteFile, SixteenBitNameFillingItsFieldStaysWithinIt) {
    auto image = sixteenBitImage(2);
    const std::size_t firstName = 6 + 50 + 50 + 40 + 8 + 8 + 160 + 160 + 2 + 2;
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(firstName), 14, 'X');
    writeBytes(routeFile(), image);
    RouteState read;
    read.record.hopFile[0].assign(std::string(100, 'Y')); // stale bytes of an earlier route
    ASSERT_TRUE(readRouteFile(read, library, routeFile(), messages));
    EXPECT_EQ(read.record.hopFile[0].view(), std::string(14, 'X'));
}

TEST_F(RouteFile, RadioThatMovedIsFoundByName) {
    ASSERT_TRUE(writeRouteFile(state, messages));
    EquipmentLibrary moved = library;
    std::swap(moved.radios[0], moved.radios[1]);
    RouteState read;
    ASSERT_TRUE(readRouteFile(read, moved, routeFile(), messages));
    EXPECT_EQ(read.record.radioIndex, 0);
    EXPECT_TRUE(messages.events().empty());
}

TEST_F(RouteFile, RadioThatIsGoneRefusesTheRoute) {
    ASSERT_TRUE(writeRouteFile(state, messages));
    EquipmentLibrary without = library;
    without.radios.erase(without.radios.begin() + 1);
    RouteState read;
    read.record.info.assign("kept");
    EXPECT_FALSE(readRouteFile(read, without, routeFile(), messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text,
              "Cannot load the routefile :\nthe radio used in the routefile ( RADIO B )\n"
              " is not supported by the current Korvel library.");
    EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.beepCount(), 1u);
    EXPECT_EQ(read.record.info.view(), "kept");
}

TEST_F(RouteFile, LongLibraryRadioNameMatchesItsCutForm) {
    EquipmentLibrary longNames = library;
    longNames.radios[1].name.assign("RADIO WITH A LONG NAME"); // 22 characters
    state.record.radioName.assign(longNames.radios[1].name.view());
    ASSERT_TRUE(writeRouteFile(state, messages));
    RouteState read;
    EXPECT_TRUE(readRouteFile(read, longNames, routeFile(), messages));
}

struct BadImageCase {
    const char* name;
    std::size_t keptBytes; // 0: the whole image
    std::size_t changedOffset;
    std::uint8_t changedValue;
};

class RouteFileRefused : public RouteFile, public testing::WithParamInterface<BadImageCase> {};

TEST_P(RouteFileRefused, LeavesTheRecordAlone) {
    ASSERT_TRUE(writeRouteFile(state, messages));
    auto bytes = readBytes(routeFile());
    bytes[GetParam().changedOffset] = GetParam().changedValue;
    if (GetParam().keptBytes != 0) {
        bytes.resize(GetParam().keptBytes);
    }
    writeBytes(routeFile(), bytes);
    messages.clear();

    RouteState read;
    read.record.info.assign("previous route");
    read.record.hopFile[5].assign("OLD.HOP");
    const auto before = routeFileImage(read.record);
    EXPECT_FALSE(readRouteFile(read, library, routeFile(), messages));
    EXPECT_EQ(routeFileImage(read.record), before);
    ASSERT_FALSE(messages.boxes().empty());
    EXPECT_EQ(messages.boxes().back().text, "LINE.ROU is not a valid Korvel routefile.");
    EXPECT_EQ(messages.boxes().back().icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(Images, RouteFileRefused,
                         testing::Values(BadImageCase{"SixthMagicByteNotNul", 0, 5, 'X'},
                                         BadImageCase{"WrongVersion", 0, 4, '4'},
                                         BadImageCase{"ShortByOneByte", kRouteFileSize - 1, 0, 'R'},
                                         BadImageCase{"OnlyHeading", 200, 0, 'R'},
                                         BadImageCase{"SixteenBitShort", kOldRouteFileSize - 1, 4,
                                                      '2'}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(RouteFile, HopCountAboveTwentyIsRefused) {
    for (const std::int16_t count : {std::int16_t{21}, std::int16_t{-1}}) {
        state.record.hopCount = count;
        ASSERT_TRUE(writeRouteFile(state, messages));
        messages.clear();
        RouteState read;
        EXPECT_FALSE(readRouteFile(read, library, routeFile(), messages));
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].text, "Invalid number of hops.");
        EXPECT_EQ(read.record.hopCount, 0);
    }
}

TEST_F(RouteFile, MissingFileIsReported) {
    RouteState read;
    EXPECT_FALSE(readRouteFile(read, library, folder.path() / "NONE.ROU", messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Could not open NONE.ROU");
    EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::None);
}

TEST_F(RouteFile, MissingFolderIsReported) {
    state.folder = folder.path() / "gone";
    EXPECT_FALSE(writeRouteFile(state, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Invalid route directory");
    EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Information);
}

TEST_F(RouteFile, FailedWriteIsReportedAndLeavesNoPartialFile) {
    std::filesystem::create_directory(routeFile()); // the rename over it fails
    EXPECT_FALSE(writeRouteFile(state, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Could not write Routefile");
    EXPECT_TRUE(std::filesystem::is_directory(routeFile()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(RouteFile, NameWithAFolderIsNeverWritten) {
    state.record.fileName.assign("../ESCAPE.ROU");
    EXPECT_FALSE(writeRouteFile(state, messages));
    EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "ESCAPE.ROU"));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Could not open Routefile");
}

} // namespace
} // namespace korvel
