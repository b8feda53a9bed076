// The Profile window's presenter through the Form page: what a hop without a profile shows, the
// earth radius factor of the drawing, and the heights Apply takes into the page.

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "geo/path_geometry.h"
#include "geo/profile_analysis.h"
#include "geo/sites_file.h"
#include "hopfile/hop_file.h"
#include "support/temp_folder.h"
#include "ui/form_fixture.h"

namespace korvel {
namespace {

class FakeProfileView final : public ProfileView {
  public:
    void open(const std::vector<std::string>& sets, const std::vector<std::string>&,
              ProfileEvents& shownEvents) override {
        ruleSets = sets;
        events = &shownEvents;
        opened = true;
    }
    void setSettings(const ProfileSettings& shown) override { settings = shown; }
    void showChart(const ChartContent& shown) override {
        chart = shown;
        ++draws;
    }
    void showHeights(const std::string& text, bool canApply) override {
        heights = text;
        applicable = canApply;
    }
    void showRules(const std::vector<ProfileRuleRow>& shown) override { rules = shown; }
    void close() override { opened = false; }
    [[nodiscard]] bool isOpen() const override { return opened; }

    // The y of the curve `role` at its point nearest `x`.
    [[nodiscard]] double curveAt(ChartRole role, double x) const {
        for (const ChartCurve& curve : chart.curves) {
            if (curve.role != role) {
                continue;
            }
            const auto at = std::find(curve.x.begin(), curve.x.end(), x);
            if (at != curve.x.end()) {
                return curve.y[static_cast<std::size_t>(at - curve.x.begin())];
            }
        }
        return -1.0;
    }

    bool opened = false;
    ProfileEvents* events = nullptr;
    std::vector<std::string> ruleSets;
    ProfileSettings settings;
    ChartContent chart;
    int draws = 0;
    std::string heights;
    bool applicable = false;
    std::vector<ProfileRuleRow> rules;
};

// The view outlives the page, whose profile window closes it when the page goes.
struct ProfileViewHolder {
    FakeProfileView view;
};

class ProfileTest : public ProfileViewHolder, public FormTest {
  public:
    void SetUp() override {
        FormTest::SetUp();
        session.profileView = &view;
        HopRecord& record = session.hop.record;
        record.station1Name.assign("Hilltop");
        record.station2Name.assign("Harbour");
        record.station1HeightM = 100;
        record.station2HeightM = 100;
        record.hopLengthKm = 10;
    }
    // A 10 km path over flat ground at 100 m with a 150 m hill halfway.
    void giveHill() {
        session.sites.profile = {
            {0.0, 100.0}, {2.5, 100.0}, {5.0, 150.0}, {7.5, 100.0}, {10.0, 100.0}};
    }
    [[nodiscard]] AntennaTips tips() const {
        const HopRecord& record = session.hop.record;
        return {record.station1HeightM + record.antenna1HeightM,
                record.station2HeightM + record.antenna2HeightM};
    }
};

TEST_F(ProfileTest, AHopWithoutProfileIsDrawnOverLevelGroundAndOffersNoApply) {
    openForm();
    click(kProfileButton);
    ASSERT_TRUE(view.opened);
    EXPECT_EQ(view.chart.verdict.rfind("Drawn over level ground between the station heights. ", 0),
              0u);
    EXPECT_NE(view.chart.verdict.find("Import CSV..."), std::string::npos);
    EXPECT_NE(view.chart.verdict.find("From terrain"), std::string::npos);
    EXPECT_NEAR(view.curveAt(ChartRole::Terrain, 5.0), 101.4715, 1e-4) << "100 m at both ends";
    EXPECT_EQ(view.rules.size(), 2u);
    EXPECT_FALSE(view.applicable);
    view.events->onApply(view.settings);
    EXPECT_EQ(page().text(kAntenna1HeightField), "30.0") << "nothing to apply";
}

TEST_F(ProfileTest, DrawsTheBulgeForTheKTypedAndRefusesAKThatIsNoNumber) {
    giveHill();
    openForm();
    click(kProfileButton);
    EXPECT_EQ(view.settings.k, "4/3");
    EXPECT_EQ(view.chart.title, "Path profile: Hilltop - Harbour");
    // 5 km × 5 km / (2 × 4/3 × 6371 km) = 1.4715 m; for k = 1, 1.9620 m.
    EXPECT_NEAR(view.curveAt(ChartRole::Earth, 5.0), 1.4715, 1e-4);
    EXPECT_NEAR(view.curveAt(ChartRole::Terrain, 5.0), 151.4715, 1e-4);
    EXPECT_NE(view.chart.verdict.find("OBSTRUCTED at 5.000 km"), std::string::npos);
    EXPECT_EQ(rowsOf(view.chart.table).size(), 5u);
    // Fixed: the table's rows replaced its columns, and a screen reader's table came out empty.
    EXPECT_EQ(view.chart.table.columns.size(), rowsOf(view.chart.table).front().size());

    ProfileSettings settings = view.settings;
    settings.k = "1";
    view.events->onRedraw(settings);
    EXPECT_NEAR(view.curveAt(ChartRole::Earth, 5.0), 1.9620, 1e-4);
    click(kProfileButton);
    EXPECT_EQ(view.settings.k, "1") << "Profile... again keeps the open window's settings";

    const int draws = view.draws;
    settings.k = "0";
    view.events->onRedraw(settings);
    EXPECT_EQ(boxTexts().back(), "Invalid data : k (a number > 0, a fraction such as 4/3, or ke)");
    EXPECT_EQ(view.draws, draws);
}

TEST_F(ProfileTest, ApplyTakesTheLowestHeightsThatMeetEveryRuleIntoThePage) {
    giveHill();
    openForm();
    click(kProfileButton);
    ASSERT_EQ(view.rules.size(), 2u);
    EXPECT_FALSE(view.rules[0].met) << "the hill blocks 30/40 m";
    view.events->onApply(view.settings);
    const HopRecord& record = session.hop.record;
    EXPECT_EQ(record.antenna1HeightM, record.antenna2HeightM);
    EXPECT_EQ(page().text(kAntenna1HeightField), formatFixed(record.antenna1HeightM, 1));
    const double pathKm = 10.0;
    for (const ClearanceRule& rule :
         clearanceRules(ClearanceRuleSet::TemperateExtendedObstacle, pathKm)) {
        EXPECT_TRUE(ruleMet(session.sites.profile, tips(), record.frequencyGHz, rule));
    }
    // A decimetre lower misses the first rule: the heights are the lowest the page can show.
    const AntennaTips lower{tips().antenna1AltitudeM - 0.1, tips().antenna2AltitudeM - 0.1};
    EXPECT_FALSE(ruleMet(session.sites.profile, lower, record.frequencyGHz, {1.0, 4.0 / 3.0}));
    EXPECT_TRUE(view.rules[0].met && view.rules[1].met) << "drawn again after Apply";

    // One end fixed: antenna 2 keeps its height, antenna 1 is found.
    ProfileSettings settings = view.settings;
    settings.heightsMode = 2;
    const double equalM = record.antenna2HeightM;
    type(kAntenna2HeightField, "70.0");
    view.events->onApply(settings);
    EXPECT_EQ(record.antenna2HeightM, 70.0) << "the page's typed height is the one kept";
    EXPECT_LT(record.antenna1HeightM, equalM) << "a higher antenna 2 lets antenna 1 come down";
    EXPECT_TRUE(ruleMet(session.sites.profile, tips(), record.frequencyGHz, {1.0, 4.0 / 3.0}));

    // Heights typed on the page and calculated are drawn without reopening the window.
    type(kAntenna1HeightField, "30.0");
    type(kAntenna2HeightField, "40.0");
    click(kCalculateButton);
    EXPECT_FALSE(view.rules[0].met);
}

// Fixed: Apply put heights into the page that the hop file reader does not take back.
TEST_F(ProfileTest, HeightsNoHopFileCanHoldAreNeverApplied) {
    // A 1000 m mast a millimetre from antenna 1, which keeps its height: antenna 2 would need
    // thousands of kilometres.
    session.sites.profile = {{0.0, 100.0}, {1e-6, 1000.0}, {10.0, 100.0}};
    openForm();
    click(kProfileButton);
    const std::string shown = page().text(kAntenna2HeightField);
    ProfileSettings settings = view.settings;
    settings.heightsMode = 1;
    view.events->onRedraw(settings);
    EXPECT_TRUE(view.applicable);
    view.events->onApply(settings);
    ASSERT_FALSE(boxTexts().empty());
    EXPECT_NE(boxTexts().back().find("record.antenna2HeightM"), std::string::npos);
    EXPECT_EQ(page().text(kAntenna2HeightField), shown) << "the fields stay as they were";
}

TEST_F(ProfileTest, ImportsACsvProfileAndRefusesOneThatMissesStation2) {
    openForm();
    click(kProfileButton);
    std::ofstream(folder / "short.csv") << "0,100\n5,150\n9,100\n";
    std::ofstream(folder / "hill.csv") << "km,m\n0,100\n5,150\n10,100\n";
    choose("short.csv");
    view.events->onImportCsv(view.settings);
    EXPECT_EQ(boxTexts().back().rfind("short.csv: ", 0), 0u) << boxTexts().back();
    EXPECT_TRUE(session.sites.profile.empty()) << "a refused file changes nothing";

    choose("hill.csv");
    view.events->onImportCsv(view.settings);
    ASSERT_EQ(session.sites.profile.size(), 3u);
    EXPECT_TRUE(view.applicable);
    EXPECT_EQ(view.chart.title, "Path profile: Hilltop - Harbour");
    EXPECT_EQ(files.uses.back(), FileDialogUse::ImportProfile);
}

#ifdef KORVEL_CLI
// The window and korvel-cli study the same hop: the heights Apply takes are those the tool prints,
// and the tool says that the sites' other ground elevations are not used.
TEST_F(ProfileTest, TheWindowAppliesTheHeightsKorvelCliPrintsForTheSameHop) {
    giveHill();
    // Tropical rules need 61.02 m equal, or 82.04 m with antenna 2 at 40 m: a decimetre more
    // where rounding to the nearest would fall short.
    session.sites.profile[2].groundM = 149.55;
    session.sites.stations = {SitePosition{60.0, 25.0, 120.0}, SitePosition{60.09, 25.0, 100.0}};
    const std::filesystem::path hopFile = folder / "HILL.HOP";
    writeFile(hopFile, hopFileImage(session.hop));
    ASSERT_EQ(saveSites(hopFile, session.sites), FileWriteResult::Written);
    const std::string command = "cd '" + folder.string() +
                                "' && " KORVEL_CLI
                                " profile HILL.HOP --rule-set tropical --fixed-end 2 2>err.txt";
    std::string printed;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
            printed += static_cast<char>(c);
        }
        EXPECT_EQ(pclose(pipe), 0) << test::readFileText(folder / "err.txt");
    }
    EXPECT_NE(test::readFileText(folder / "err.txt")
                  .find("HILL.HOP: the study uses the hop's station heights, not the sites' "
                        "ground elevations: station 1 100.0 m (site 120.0 m)\n"),
              std::string::npos);

    openForm();
    click(kProfileButton);
    ProfileSettings settings = view.settings;
    settings.ruleSet = 2; // tropical, as the tool's list
    view.events->onRuleSetChosen(settings);
    settings = view.settings;
    settings.heightsMode = 2;
    view.events->onApply(settings);
    const HopRecord& record = session.hop.record;
    EXPECT_NE(printed.find("Lowest antenna 1 height with antenna 2 at 40.0 m: " +
                           formatFixed(record.antenna1HeightM, 1) + " m\n"),
              std::string::npos)
        << printed;
    settings.heightsMode = 0;
    view.events->onApply(settings);
    EXPECT_NE(printed.find("Lowest equal antenna heights: " +
                           formatFixed(record.antenna1HeightM, 1) + " m\n"),
              std::string::npos)
        << printed;
}
#endif

} // namespace
} // namespace korvel
