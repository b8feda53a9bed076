// The Sweep window's presenter through the Form page, and the words and tables of the charts.

#include "series/sweep.h"
#include "ui/chart_contents.h"
#include "ui/form_fixture.h"

namespace korvel {
namespace {

class FakeSweepView final : public SweepView {
  public:
    void open(const std::vector<std::string>& shownInputs, SweepEvents& shownEvents) override {
        inputs = shownInputs;
        events = &shownEvents;
        opened = true;
    }
    void setRange(int input, const std::string& from, const std::string& to,
                  const std::string& steps) override {
        range = {std::to_string(input), from, to, steps};
    }
    void showChart(const ChartContent& shown) override {
        chart = shown;
        ++draws;
    }
    void close() override { opened = false; }
    [[nodiscard]] bool isOpen() const override { return opened; }

    bool opened = false;
    SweepEvents* events = nullptr;
    std::vector<std::string> inputs;
    std::vector<std::string> range;
    ChartContent chart;
    int draws = 0;
};

// The view outlives the page, whose Sweep window closes it when the page goes.
struct SweepViewHolder {
    FakeSweepView view;
};

class SweepTest : public SweepViewHolder, public FormTest {
  public:
    void SetUp() override {
        FormTest::SetUp();
        session.sweepView = &view;
    }
};

TEST_F(SweepTest, OpensOverTheStoredPageWithTheInputsTheHopCanVary) {
    openForm(DiversityMode::Space);
    type(kAntenna1DiameterField, "x");
    click(kSweepButton);
    EXPECT_FALSE(view.opened) << "a page that refuses its fields opens no sweep";

    type(kAntenna1DiameterField, "1.8");
    messages.clear();
    click(kSweepButton);
    ASSERT_TRUE(view.opened);
    EXPECT_EQ(view.inputs, (std::vector<std::string>{"Antenna diameter (m)", "Hop length (km)",
                                                     "Rain rate (mm/h)", "Antenna spacing (m)"}));
    EXPECT_EQ(view.range, (std::vector<std::string>{"0", "0.9", "3.6", "50"}));
    ASSERT_EQ(view.chart.curves.back().x.size(), 50u);
    EXPECT_EQ(view.chart.marks.back().value, 1.8) << "the hop's own value";
    EXPECT_TRUE(view.chart.logY);
}

TEST_F(SweepTest, RefusesRangesItCannotDrawAndSaysWhy) {
    openForm();
    click(kSweepButton);
    messages.clear();
    const int draws = view.draws;
    view.events->onSweep(1, "abc", "80", "50");
    view.events->onSweep(1, "0.05", "80", "50");
    view.events->onSweep(1, "10", "80", "2.5");
    view.events->onSweep(1, "10", "80", "1001");
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{
                              "Invalid data : From", "The hop length must be at least 0.1 km.",
                              "The number of steps must be from 2 to 1000.",
                              "The number of steps must be from 2 to 1000."}));
    EXPECT_EQ(view.draws, draws);
    view.events->onSweep(1, "10", "80", "8");
    EXPECT_EQ(view.chart.xTitle, "Hop length (km)");
    EXPECT_EQ(view.chart.table.rows.size(), 8u);
}

TEST_F(SweepTest, AClickedDiameterGoesThroughThePageWhenTheUserSaysYes) {
    openForm();
    click(kSweepButton);
    messages.clear();
    const std::string before = page().text(kAntenna1DiameterField);
    messages.scriptAnswer(MessageAnswer::No);
    view.events->onPointChosen(3.0);
    EXPECT_EQ(page().text(kAntenna1DiameterField), before);

    messages.scriptAnswer(MessageAnswer::Yes);
    view.events->onPointChosen(3.0);
    EXPECT_EQ(boxTexts().back(), "Take Antenna diameter 3 m into the Form page?");
    for (const ControlId field : {kAntenna1DiameterField, kAntenna2DiameterField}) {
        EXPECT_EQ(page().text(field), "3.0");
    }
    EXPECT_EQ(page().text(kAntenna1GainField), gainText(3.0, 7.5));
    EXPECT_EQ(session.hop.record.antenna2DiameterM, 3.0);
    EXPECT_EQ(session.hop.record.antenna2GainDbi, antennaGainDbi(3.0, 7.5));

    view.events->onInputChanged(1);
    view.events->onSweep(1, "10", "80", "3");
    messages.clear();
    view.events->onPointChosen(45.0);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "Hop length 45 km: this value is changed on the Basics page."});
}

TEST(ChartContents, SayMeetsOrMissesAndShowHopsNeverCalculatedAsSuch) {
    HopState hop;
    hop.record.outageObjectivePct = 0.005;
    hop.results.p = hop.results.pfm = 0.004;
    hop.results.Lo = 140.0;
    const std::string met = outageChart(hop, std::nullopt).verdict;
    EXPECT_TRUE(met.starts_with("Multipath outage 0.0040 %")) << met;
    EXPECT_TRUE(met.ends_with(": meets, 0.0010 % below the objective (\xD7"
                              "0.80)"))
        << met;
    hop.results.p = 0.006;
    const ChartContent missed = outageChart(hop, std::nullopt);
    EXPECT_NE(missed.verdict.find(": misses by 0.0010 %"), std::string::npos) << missed.verdict;
    EXPECT_EQ(outOfDateChart(missed).verdict, kResultsOutOfDateText);
    EXPECT_TRUE(outOfDateChart(missed).bars.empty());

    RouteChart route;
    route.objectivePct = 0.01;
    route.totalPct = 0.004;
    route.meets = true;
    route.bars = {{1, "A - B", RouteHopStatus::MeetsShare, 0.004, 0.001, 0.005},
                  {2, "B - C", RouteHopStatus::NotCalculated, 0.0, -1.0, 0.005}};
    const ChartContent chart = routeChartContent(route);
    EXPECT_EQ(chart.table.rows[1],
              (std::vector<std::string>{"2", "B - C", "-", "-", "0.005", "not calculated"}));
    EXPECT_EQ(chart.bars.size(), 4u) << "hop 1 and its rain, hop 2's word, the route total";
    EXPECT_EQ(chart.bars[2].label, "not calculated");
    EXPECT_EQ(chart.bars[2].high, 0.0);
    EXPECT_EQ(chart.verdict, "Route outage 0.004 % meets the route objective 0.01 %.");
}

} // namespace
} // namespace korvel
