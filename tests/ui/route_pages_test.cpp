#include "geo/sites_file.h"
#include "hopfile/hop_file.h"
#include "route/route_folder.h"
#include "support/temp_folder.h"
#include "ui/hop_box_page.h"
#include "ui/hops_list_dialog.h"
#include "ui/old_files_dialog.h"
#include "ui/route_screen_page.h"
#include "ui/start_panel.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

struct TypedHop {
    std::string file;
    std::string station1;
    std::string station2;
    std::string lengthKm;
};

class RoutePagesTest : public UiTest {
  public:
    void SetUp() override {
        UiTest::SetUp();
        session.app.workingFolder = folder;
        setRouteFolder(session.route, folder);
    }

    // NEW ROUTE, the heading typed, HopDef, then each hop typed and stored with Next.
    void defineRoute(const std::string& objective, const std::vector<TypedHop>& hops,
                     ControlId division = 1804) {
        click(kNewRouteButton);
        deliverPosted();
        type(kRouteFileNameField, "R");
        type(kRouteObjectiveField, objective);
        type(kRouteHopCountField, std::to_string(hops.size()));
        click(division);
        click(kHopDefButton);
        deliverPosted();
        for (const TypedHop& hop : hops) {
            type(kHopFileNameField, hop.file);
            type(kHopStation1Field, hop.station1);
            type(kHopStation2Field, hop.station2);
            type(kHopLengthKmField, hop.lengthKm);
            click(kNextHopButton);
        }
        click(kRouteScButton);
        deliverPosted();
    }
    // New, answering No when a hop page asks to save.
    void renew() {
        if (shell.currentPageId() != kStartPanelId && shell.currentPageId() != kRouteScreenId) {
            messages.scriptAnswer(MessageAnswer::No);
        }
        command(Command::New);
    }
    void hopCalc() {
        click(kHopCalcButton);
        deliverPosted();
    }
    HopState hopInFile(const std::string& name) {
        HopState hop;
        EXPECT_TRUE(readHopFile(hop, session.library, folder / name, messages));
        return hop;
    }

    const std::vector<TypedHop> twoHops{{"A", "Hill", "Harbour", "30"},
                                        {"B", "Harbour", "Cape", "10"}};
};

// route_hop_calc_opens_chosen_hop.scn plays what HopCalc opens and offers.
TEST_F(RoutePagesTest, HopCalcWritesTheWholeRouteFile) {
    defineRoute("0.02", twoHops);
    hopCalc();
    EXPECT_EQ(std::filesystem::file_size(folder / "R.ROU"), 5638u);
}

TEST_F(RoutePagesTest, OldFilesOnDiskChoosesWhatIsOverwritten) {
    struct Case {
        const char* name;
        std::vector<ControlId> buttons;
        std::string station1; // of hop A after HopCalc
        std::string radio;
    };
    const Case cases[] = {
        {"cancel", {kOldFilesCancelButton}, "Old", "MW 7.5-34"},
        {"both", {kContinueButton}, "Hill", "MW 15-8"},
    };
    defineRoute("0.02", twoHops);
    hopCalc();
    HopState old = hopInFile("A.HOP");
    old.record.station1Name.assign("Old");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        renew();
        std::string name = "A.HOP";
        ASSERT_TRUE(writeHopFile(old, folder / name, name, messages));
        dialogs.ran.clear();
        defineRoute("0.02", twoHops);
        page().selectRow(kRouteRadioList, 1);
        dialogs.pagePresenter->onSelectionChanged(kRouteRadioList);
        dialogs.answer(DialogId::OldFiles, {}, c.buttons);
        hopCalc();
        ASSERT_EQ(dialogs.ran.size(), 1u);
        const FakeDialogView& box = dialogs.ran[0].second;
        EXPECT_EQ(box.focus, kContinueButton);
        const HopState written = hopInFile("A.HOP");
        EXPECT_EQ(written.record.station1Name.str(), c.station1);
        EXPECT_EQ(written.record.radioName.str(), c.radio);
        EXPECT_EQ(dialogs.pageForm == DialogId::BasicsPage, c.radio != "MW 7.5-34");
    }
}

// Mended: a hop that cannot be saved keeps the Hops list open instead of dropping its changes.
TEST_F(RoutePagesTest, AHopThatCannotBeSavedKeepsTheHopsListOpen) {
    defineRoute("0.02", twoHops);
    hopCalc();
    session.app.currentHopFileName.clear(); // as a cancelled Save dialog leaves it
    dialogs.script(DialogId::HopsList, [](FakeDialogView& view, DialogEvents& events) {
        view.selectRow(kHopsList, 1);
        events.onCommand(kOkButton);
        EXPECT_FALSE(view.endResult.has_value());
    });
    command(Command::ViewHops);
    EXPECT_EQ(session.route.currentHop, 0);
    EXPECT_EQ(dialogs.pageForm, DialogId::BasicsPage);
}

TEST_F(RoutePagesTest, ModifyOldRouteKeepsTheHopFileNameAndOpensTheRouteScreen) {
    defineRoute("0.02", twoHops);
    hopCalc();
    renew();
    session.app.currentHopFileName = "KEPT.HOP";
    std::filesystem::remove(folder / "B.HOP");
    messages.clear();
    choose("R.ROU");
    click(kModifyOldRouteButton);
    deliverPosted();
    EXPECT_EQ(session.app.currentHopFileName, "KEPT.HOP");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"B.HOP not found."});
    ASSERT_EQ(dialogs.pageForm, DialogId::RouteScreen);
    EXPECT_EQ(page().text(kRouteFileNameField), "R.ROU");
    EXPECT_EQ(
        page().get(kDefinedHopsList).rows[1],
        "B.HOP         :                     \\                        0.0km  0.0000% 0.0000%  "
        "not calculated");
}

// File > Export of a route hop being edited writes the whole route: hop A from its files, hop B
// as edited; a hop without sites is left off and named.
TEST_F(RoutePagesTest, ExportOfARouteHopWritesTheRouteHopsWithSites) {
    defineRoute("0.02", twoHops);
    page().selectRow(kDefinedHopsList, 1);
    hopCalc();
    ASSERT_TRUE(session.route.routeHopActive);
    messages.clear();
    const std::size_t dialogsBefore = files.uses.size();
    command(Command::ExportKml);
    EXPECT_EQ(files.uses.size(), dialogsBefore); // refused before any file dialog
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "No hop of this route has sites to put on a map. Give them with "
                              "\"korvel-cli sites HOPFILE --set 1 LAT LON\" (and --set 2)."});

    HopSites sites;
    sites.stations[0] = SitePosition{60.62, 25.15, 120.0};
    sites.stations[1] = SitePosition{60.2745, 25.34743, 35.0};
    ASSERT_EQ(saveSites(folder / "A.HOP", sites), FileWriteResult::Written);
    messages.clear();
    choose("R.kml");
    command(Command::ExportKml);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Left off the map, without sites: B.HOP"});
    const std::string kml = test::readFileText(folder / "R.kml");
    EXPECT_NE(kml.find("Hill"), std::string::npos);
    EXPECT_EQ(kml.find("Cape"), std::string::npos);

    sites.stations[0] = sites.stations[1];
    sites.stations[1] = SitePosition{60.15074, 25.79732, 18.0};
    session.sites = sites; // as given to the hop being edited, not yet saved
    messages.clear();
    choose("R.geojson");
    command(Command::ExportGeoJson);
    EXPECT_TRUE(boxTexts().empty()) << testing::PrintToString(boxTexts());
    EXPECT_NE(test::readFileText(folder / "R.geojson").find("Cape"), std::string::npos);
}

// Fixed: HopCalc wrote the route over any file of its name (the equipment library, a hop) and
// deleted a hop slot that was a link to a device; now nothing is written and the file is named.
TEST_F(RoutePagesTest, HopCalcReplacesOnlyARouteFileAndHopFiles) {
    const std::string library = "library bytes, not a route";
    test::writeFile(folder / "R.ROU", library);
    defineRoute("0.02", twoHops);
    hopCalc();
    EXPECT_EQ(boxTexts().back(), "R.ROU exists and is not a Korvel routefile: it is not replaced.");
    EXPECT_EQ(test::readFileText(folder / "R.ROU"), library);
    EXPECT_FALSE(std::filesystem::exists(folder / "A.HOP"));

    std::filesystem::remove(folder / "R.ROU");
    std::filesystem::create_symlink("/dev/null", folder / "B.HOP");
    hopCalc();
    EXPECT_EQ(boxTexts().back(), "B.HOP exists and is not a Korvel hop file: it is not replaced.");
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(folder / "B.HOP")));
    EXPECT_FALSE(std::filesystem::exists(folder / "R.ROU"));
    EXPECT_FALSE(std::filesystem::exists(folder / "A.HOP"));
    EXPECT_EQ(dialogs.pageForm, DialogId::RouteScreen);
}

} // namespace
} // namespace korvel
