#include <gtest/gtest.h>

#include <string>

#include "platform/recording_messages.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_open.h"
#include "route/route_screen.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

class RouteFolder : public testing::Test {
  protected:
    // A folder whose path is longer than the directory field.
    RouteFolder() : longFolder(folder.path() / std::string(60, 'f')) {
        std::filesystem::create_directories(longFolder);
        // A folder named like the cut form of the long one, where nothing may land.
        cutFolder = directoryFieldText(longFolder);
        std::filesystem::create_directories(cutFolder);
    }

    EquipmentLibrary library = test::makeRouteTestLibrary();
    test::TempFolder folder;
    std::filesystem::path longFolder;
    std::filesystem::path cutFolder;
    RecordingMessages messages;
};

TEST_F(RouteFolder, LongFolderIsKeptWholeInMemoryAndCutInTheFile) {
    RouteState state =
        test::buildRouteFolder(longFolder, {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    EXPECT_EQ(state.folder, longFolder);
    EXPECT_EQ(state.record.directory.view().size(), kDirectoryFieldLength);
    EXPECT_TRUE(std::filesystem::exists(longFolder / "ROUTE.ROU"));
    EXPECT_TRUE(std::filesystem::is_empty(cutFolder));
}

TEST_F(RouteFolder, OpenedRouteWorksWhereItWasOpened) {
    test::buildRouteFolder(longFolder, {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    RouteState state;
    ASSERT_TRUE(openRoute(state, library, longFolder / "ROUTE.ROU", messages));
    EXPECT_EQ(state.folder, longFolder);
    EXPECT_EQ(state.slots[0].station1.view(), "A");

    state.record.info.assign("saved again");
    ASSERT_TRUE(writeRouteFile(state, messages));
    EXPECT_TRUE(std::filesystem::is_empty(cutFolder));
    EXPECT_TRUE(messages.events().empty());
}

TEST_F(RouteFolder, MovedRouteUsesItsNewFolder) {
    const auto original = folder.path() / "original";
    const auto moved = folder.path() / "moved";
    std::filesystem::create_directory(original);
    test::buildRouteFolder(original, {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    std::filesystem::rename(original, moved);

    RouteState state;
    ASSERT_TRUE(openRoute(state, library, moved / "ROUTE.ROU", messages));
    EXPECT_TRUE(messages.events().empty());
    EXPECT_EQ(state.folder, moved);
    EXPECT_EQ(state.record.directory.view(), directoryFieldText(moved));
}

TEST_F(RouteFolder, RenamedRouteFileKeepsItsNewName) {
    test::buildRouteFolder(folder.path(), {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    std::filesystem::rename(folder.path() / "ROUTE.ROU", folder.path() / "COPY.ROU");
    RouteState state;
    ASSERT_TRUE(openRoute(state, library, folder.path() / "COPY.ROU", messages));
    EXPECT_EQ(state.record.fileName.view(), "COPY.ROU");
}

TEST_F(RouteFolder, UnchangedDirectoryTextKeepsTheLongFolder) {
    RouteState state =
        test::buildRouteFolder(longFolder, {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    const std::string shown(state.record.directory.view());
    for (const std::string& typed : {shown, shown.substr(0, 39)}) {
        RouteScreenTexts texts{"info", typed, "ROUTE", "0.005", "1"};
        ASSERT_TRUE(
            acceptRouteScreen(state, library, texts, RouteScreenAction::HopCalc, messages).accepted)
            << typed;
        EXPECT_EQ(state.folder, longFolder);
    }
}

TEST_F(RouteFolder, TypedFolderReplacesTheRouteFolder) {
    RouteState state =
        test::buildRouteFolder(longFolder, {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    const std::string typed = folder.path().string();
    RouteScreenTexts texts{"info", typed, "ROUTE", "0.005", "1"};
    ASSERT_TRUE(
        acceptRouteScreen(state, library, texts, RouteScreenAction::HopDef, messages).accepted);
    EXPECT_EQ(state.folder, folder.path());
    EXPECT_EQ(state.record.directory.view(), typed);
}

TEST_F(RouteFolder, MissingTypedFolderIsRefusedAndTheFolderKept) {
    RouteState state = test::buildRouteFolder(
        folder.path(), {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    RouteScreenTexts texts{"new info", "/no/such/folder", "NEW", "0.005", "1"};
    EXPECT_FALSE(
        acceptRouteScreen(state, library, texts, RouteScreenAction::HopDef, messages).accepted);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Invalid route directory");
    EXPECT_EQ(state.folder, folder.path());
    EXPECT_EQ(state.record.info.view(), "new info");
    EXPECT_EQ(state.record.directory.view(), "/no/such/folder");

    // The refused text shown again is still refused, not taken for the route's folder.
    messages.clear();
    EXPECT_FALSE(
        acceptRouteScreen(state, library, texts, RouteScreenAction::HopDef, messages).accepted);
}

TEST_F(RouteFolder, FilesNeverFollowTheCurrentDirectory) {
    const auto before = std::filesystem::current_path();
    RouteState state = test::buildRouteFolder(
        folder.path(), {{"H1.HOP", "A", "B", 1, 0.005, 0.001}}, 0.005, library);
    RouteScreenTexts texts{"", folder.path().string(), "ROUTE", "0.005", "1"};
    ASSERT_TRUE(
        acceptRouteScreen(state, library, texts, RouteScreenAction::HopCalc, messages).accepted);
    ASSERT_TRUE(writeRouteFile(state, messages));
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_FALSE(std::filesystem::exists(before / "ROUTE.ROU"));
}

} // namespace
} // namespace korvel
