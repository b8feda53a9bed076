// The Sites dialog over a hop opened with its sites: what it shows as the planner types, what OK
// refuses, and the question it asks as Open does.

#include "platform/elevation_sources.h"
#include "ui/basics_page.h"
#include "ui/hop_sites_fixture.h"
#include "ui/sites_dialog.h"

namespace korvel {
namespace {

class SitesDialogTest : public HopSitesTest {
  public:
    void SetUp() override {
        HopSitesTest::SetUp();
        openWithSites(sitesFileText(sites));
        ASSERT_TRUE(boxTexts().empty());
    }
    // Types into the next Sites dialog, keeps what it shows, then presses `button`.
    void playSites(const Typed& typed, ControlId button = kOkButton) {
        dialogs.script(DialogId::Sites, [=, this](FakeDialogView& view, DialogEvents& events) {
            for (const auto& [field, text] : typed) {
                view.setText(field, text);
                events.onEdited(field);
            }
            events.onCommand(button);
            shown = view;
        });
        command(Command::Sites);
    }
    FakeDialogView shown;
};

constexpr ControlId station2(ControlId first) {
    return sitesControl(first, 1);
}

TEST_F(SitesDialogTest, ShowsThePathAsTypedAndOkAsksWhatOpenAsks) {
    // Untouched, OK keeps every digit: nothing to ask, nothing changed.
    playSites({});
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_FALSE(session.hopModified());
    EXPECT_EQ(shown.text(kSitesLatitudeField), "60.620000");
    EXPECT_EQ(shown.text(kSitesDistanceLabel), "40.000 km");

    // Degrees, minutes and seconds, and a pair pasted into station 2's latitude.
    messages.scriptAnswer(MessageAnswer::Yes);
    playSites({{kSitesLatitudeField, "60 37 12 N"},
               {kSitesLongitudeField, "24d9m0sE"},
               {station2(kSitesLatitudeField), " 60.30, 24.35"}});
    EXPECT_EQ(shown.text(station2(kSitesLatitudeField)), "60.30");
    EXPECT_EQ(shown.text(station2(kSitesLongitudeField)), "24.35");
    EXPECT_EQ(shown.text(kSitesReadAsLabel), "60.620000\xB0 N, 24.150000\xB0 E");
    EXPECT_EQ(shown.text(kSitesDistanceLabel), "37.314 km");
    EXPECT_EQ(shown.text(kSitesAzimuthLabel), "162.76\xB0");
    EXPECT_EQ(shown.text(station2(kSitesElevationLabel)), "-0.10\xB0");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"The sites give other values than the hop:\n"
                                                   "Hop length 37.3 km (the hop has 40.0 km)\n"
                                                   "Take them into the hop?"});
    EXPECT_NEAR(session.hop.record.hopLengthKm, 37.3, 1e-9);
    EXPECT_EQ(page().text(kHopLengthField), "37.3");
    EXPECT_EQ(session.sites.stations[1]->longitudeDeg, 24.35);
    EXPECT_TRUE(session.hopModified());

    // Without an elevation model in the settings, From terrain says where to add one.
    messages.clear();
    playSites({}, kSitesFromTerrainButton);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{std::string(kNoElevationModelText)});
}

TEST_F(SitesDialogTest, OkRefusesABadValueByNameAndKeepsTheSites) {
    struct Refused {
        Typed typed;
        ControlId focus;
        const char* said;
    };
    const Refused cases[] = {
        {{{kSitesLatitudeField, "91"}},
         kSitesLatitudeField,
         "Station 1: latitude \"91\": out of range, from -90 to 90 degrees"},
        {{{station2(kSitesLongitudeField), "inf"}},
         station2(kSitesLongitudeField),
         "Station 2: longitude \"inf\": not a finite number"},
        {{{kSitesLatitudeField, "60 75 0 N"}},
         kSitesLatitudeField,
         "Station 1: latitude \"60 75 0 N\": minutes and seconds run from 0 to below 60"},
        {{{kSitesLongitudeField, ""}}, kSitesLongitudeField, "Station 1: the longitude is missing"},
        {{{kSitesGroundField, "9500"}},
         kSitesGroundField,
         "Station 1: ground elevation \"9500\": out of range, from -500 to 9000 m above sea "
         "level"},
        {{{station2(kSitesLatitudeField), "60.62; 24.15"}},
         station2(kSitesLatitudeField),
         "The two sites are at the same place; a hop needs two ends"},
        {{{kSitesLatitudeField, "90 N"}},
         kSitesLatitudeField,
         "Station 1 stands on a pole, where no azimuth points anywhere"},
    };
    const std::string before = sitesFileText(session.sites);
    for (const Refused& refused : cases) {
        messages.clear();
        playSites(refused.typed);
        EXPECT_EQ(boxTexts(), std::vector<std::string>{refused.said});
        EXPECT_EQ(shown.focus, refused.focus) << refused.said;
        EXPECT_EQ(sitesFileText(session.sites), before);
    }
    EXPECT_FALSE(session.hopModified());

    // Across the antimeridian, with a decimal comma; a station left empty has no site.
    messages.clear();
    playSites({{kSitesLatitudeField, "-16,8"},
               {kSitesLongitudeField, "179.99"},
               {station2(kSitesLatitudeField), ""},
               {station2(kSitesLongitudeField), ""},
               {station2(kSitesGroundField), ""}});
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_EQ(shown.text(station2(kSitesReadAsLabel)), "No site");
    EXPECT_EQ(session.sites.stations[0]->latitudeDeg, -16.8);
    EXPECT_FALSE(session.sites.stations[1]);
    playSites({{station2(kSitesLatitudeField), "16 48 0 S, 179 59 24 W"},
               {station2(kSitesGroundField), "3"}});
    EXPECT_EQ(shown.text(kSitesDistanceLabel), "2.132 km");
}

} // namespace
} // namespace korvel
