#include <gtest/gtest.h>

#include "route/route_folder.h"
#include "route/route_open.h"
#include "route/route_screen.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

using test::readFileBytes;
using test::writeFile;

// A route of two hops and all tables filled; its radio is the library's first, "RADIO A".
class RouteFile : public test::RouteTest {
  protected:
    RouteFile() {
        RouteRecord& r = state.record;
        r.fileName.assign("LINE.ROU");
        r.info.assign("North line");
        r.objective = 0.005;
        r.totalOutage = 0.004;
        r.hopCount = 2;
        r.divisionMethod = DivisionMethod::Length;
        r.hopFile[0].assign("HOPNAME12.HOP"); // 13 characters: fills a 16-bit name field
        r.hopFile[1].assign("B.HOP");
        r.hopFile[19].assign("LAST.HOP"); // every slot is stored, whatever the hop count
        r.hopOutage = {0.001, 0.003};
        r.hopRain[1] = 0.0002;
    }

    std::filesystem::path file() const { return dir / "LINE.ROU"; }

    // The route in the 16-bit layout, cut from the current one: no padding after the info,
    // 14-byte hop names, the tail's three fields 2 or 8 bytes wide.
    std::vector<std::uint8_t> sixteenBitImage(int tailFieldSize) const {
        const auto now = routeFileImage(state.record);
        std::vector<std::uint8_t> old(now.begin(), now.begin() + 490);
        old.erase(old.begin() + 146, old.begin() + 150);
        old[4] = '2';
        for (int at = 490; at < 5610; at += 256) {
            old.insert(old.end(), now.begin() + at, now.begin() + at + 14);
        }
        old.insert(old.end(), now.begin() + 5610, now.begin() + 5632);
        for (int at = 5632; at < 5638; at += 2) {
            old.insert(old.end(), now.begin() + at, now.begin() + at + 2);
            old.resize(old.size() + static_cast<std::size_t>(tailFieldSize - 2));
        }
        return old;
    }
};

TEST_F(RouteFile, CurrentAndSixteenBitFilesReadBackTheRecord) {
    ASSERT_TRUE(writeRouteFile(state, messages));
    const auto bytes = readFileBytes(file());
    ASSERT_EQ(bytes.size(), kRouteFileSize);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), std::string("RVRA3\0", 6));
    EXPECT_EQ(bytes[5636], 0xFA); // berExponent -6, little-endian, last
    RouteState read;
    resetRoute(read, library, "/elsewhere");
    ASSERT_TRUE(readRouteFile(read, library, file(), messages));
    EXPECT_TRUE(messages.events().empty());
    EXPECT_EQ(routeFileImage(read.record), bytes);
    EXPECT_EQ(read.folder, dir);
    // The 16-bit layout reads the same and is converted by the next write.
    for (const int tail : {2, 8}) {
        const auto image = sixteenBitImage(tail);
        ASSERT_EQ(image.size(), tail == 2 ? kOldRouteFileSize : kOldRouteFileWideTailSize);
        writeFile(file(), image);
        resetRoute(read, library, "/elsewhere");
        ASSERT_TRUE(readRouteFile(read, library, file(), messages));
        expectBox("This file is created with 16-bit version of Korvel."
                  " If saved, it will be converted to 32-bit format.");
        EXPECT_EQ(routeFileImage(read.record), bytes) << tail;
        ASSERT_TRUE(writeRouteFile(read, messages));
        EXPECT_EQ(readFileBytes(file()), bytes) << tail;
    }
    // A name filling its whole 14-byte field ends there, whatever the record held before.
    auto image = sixteenBitImage(2);
    std::fill_n(image.begin() + 486, 14, 'X');
    writeFile(file(), image);
    read.record.hopFile[0].assign(std::string(100, 'Y'));
    ASSERT_TRUE(readRouteFile(read, library, file(), messages));
    EXPECT_EQ(read.record.hopFile[0].view(), std::string(14, 'X'));
}

TEST_F(RouteFile, RadioIsFoundByNameOrTheRouteRefused) {
    ASSERT_TRUE(writeRouteFile(state, messages));
    EquipmentLibrary other = library;
    std::swap(other.radios[0], other.radios[1]);
    RouteState read;
    ASSERT_TRUE(readRouteFile(read, other, file(), messages));
    EXPECT_EQ(read.record.radioIndex, 1);
    EXPECT_TRUE(messages.events().empty());
    other.radios.erase(other.radios.begin() + 1);
    read.record.info.assign("kept");
    EXPECT_FALSE(readRouteFile(read, other, file(), messages));
    expectBox("Cannot load the routefile :\nthe radio used in the routefile ( RADIO A )\n"
              " is not supported by the current Korvel library.");
    EXPECT_EQ(read.record.info.view(), "kept");
    // A library name longer than the record's field matches its cut form.
    other.radios[0].name.assign("RADIO WITH A LONG NAME");
    state.record.radioName.assign(other.radios[0].name.view());
    ASSERT_TRUE(writeRouteFile(state, messages));
    EXPECT_TRUE(readRouteFile(read, other, file(), messages));
}

TEST_F(RouteFile, BadImagesLeaveTheRecordAlone) {
    const struct {
        std::size_t size, changedAt;
        std::uint8_t changedTo;
        const char* text;
    } cases[] = {{kRouteFileSize, 5, 'X', "LINE.ROU is not a valid Korvel routefile."}, // magic
                 {kRouteFileSize, 4, '4', "LINE.ROU is not a valid Korvel routefile."},
                 {kRouteFileSize - 1, 0, 'R', "LINE.ROU is not a valid Korvel routefile."},
                 {kOldRouteFileSize - 1, 4, '2', "LINE.ROU is not a valid Korvel routefile."},
                 {kRouteFileSize, 486, 21, "Invalid number of hops."},
                 {kRouteFileSize, 487, 0x80, "Invalid number of hops."}}; // negative
    RouteState read;
    read.record.info.assign("previous route");
    const auto before = routeFileImage(read.record);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " bytes, changed at " << c.changedAt);
        auto bytes = routeFileImage(state.record);
        bytes[c.changedAt] = c.changedTo;
        bytes.resize(c.size);
        writeFile(file(), bytes);
        EXPECT_FALSE(readRouteFile(read, library, file(), messages));
        EXPECT_EQ(routeFileImage(read.record), before);
        // Fixed: a damaged 16-bit file showed the conversion note before its refusal.
        expectBox(c.text);
    }
}

TEST_F(RouteFile, FailuresToOpenOrWriteAreReported) {
    RouteState read;
    EXPECT_FALSE(readRouteFile(read, library, dir / "NONE.ROU", messages));
    expectBox("Could not open NONE.ROU");
    const auto refusedWrite = [&](const std::string& text) {
        EXPECT_FALSE(writeRouteFile(state, messages));
        expectBox(text);
    };
    state.folder = dir / "gone";
    refusedWrite("Invalid route directory");
    state.folder = dir;
    std::filesystem::create_directory(file()); // never replaced: it is no route file
    refusedWrite("LINE.ROU exists and is not a Korvel routefile: it is not replaced.");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1); // nothing left
    state.record.fileName.assign("../ESCAPE.ROU");
    refusedWrite("Could not open Routefile");
    EXPECT_FALSE(std::filesystem::exists(dir.parent_path() / "ESCAPE.ROU"));
}

// A folder longer than the directory field is kept whole in memory; its cut form is never used.
TEST_F(RouteFile, LongFolderIsKeptWholeAndUsedWhereTheRouteIsNow) {
    const auto longFolder = dir / std::string(60, 'f');
    const std::filesystem::path cutFolder = directoryFieldText(longFolder);
    std::filesystem::create_directories(longFolder);
    std::filesystem::create_directories(cutFolder); // where nothing may land
    state = build(longFolder, {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005);
    EXPECT_EQ(state.record.directory.view().size(), kDirectoryFieldLength);
    RouteState opened;
    ASSERT_TRUE(openRoute(opened, library, longFolder / "ROUTE.ROU", messages));
    EXPECT_EQ(opened.folder, longFolder);
    EXPECT_EQ(opened.slots[0].station1.view(), "A");
    ASSERT_TRUE(writeRouteFile(opened, messages));
    EXPECT_TRUE(messages.events().empty());
    EXPECT_TRUE(std::filesystem::is_empty(cutFolder));

    // The route screen keeps the long folder while its shown text is unchanged; a missing folder
    // is refused, and so is its text shown again.
    const auto accept = [&](const std::string& directory) {
        return acceptRouteScreen(state, library, {"info", directory, "ROUTE", "0.005", "1"},
                                 RouteScreenAction::HopCalc, messages)
            .accepted;
    };
    const std::string shown(state.record.directory.view());
    for (const std::string& typed : {shown, shown.substr(0, 39)}) {
        EXPECT_TRUE(accept(typed)) << typed;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(accept("/no/such/folder"));
        expectBox("Invalid route directory");
    }
    EXPECT_EQ(state.folder, longFolder);
    const auto before = std::filesystem::current_path();
    ASSERT_TRUE(accept(dir.string()));
    EXPECT_EQ(state.folder, dir);
    ASSERT_TRUE(writeRouteFile(state, messages));
    EXPECT_TRUE(std::filesystem::exists(dir / "ROUTE.ROU"));
    EXPECT_EQ(std::filesystem::current_path(), before);

    // Moved and renamed: the folder and name it is opened from.
    const auto moved = dir / "moved";
    std::filesystem::rename(longFolder, moved);
    std::filesystem::rename(moved / "ROUTE.ROU", moved / "COPY.ROU");
    ASSERT_TRUE(openRoute(opened, library, moved / "COPY.ROU", messages));
    EXPECT_EQ(std::tuple(opened.folder.string(), opened.record.directory.view(),
                         opened.record.fileName.view()),
              std::tuple(moved.string(), moved.string(), "COPY.ROU"));
}

} // namespace
} // namespace korvel
