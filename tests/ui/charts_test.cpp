// The Sweep window's presenter through the Form page, and the words and tables of the charts.

#include <algorithm>
#include <cmath>

#include "engine/rain.h"
#include "engine/verdict_words.h"
#include "series/sweep.h"
#include "ui/chart_contents.h"
#include "ui/chart_title_block.h"
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
    EXPECT_EQ(view.inputs,
              (std::vector<std::string>{"Antenna diameters, both (m)", "Antenna 1 diameter (m)",
                                        "Antenna 2 diameter (m)", "Hop length (km)",
                                        "Rain rate (mm/h)", "Antenna spacing (m)"}));
    EXPECT_EQ(view.range, (std::vector<std::string>{"0", "0.9", "3.6", "50"}));
    const std::vector<ChartCurve>& curves = view.chart.curves;
    ASSERT_GE(curves.size(), 2u);
    EXPECT_EQ(curves.end()[-2].x, (std::vector<double>{1.2, 1.8, 2.4, 3.0}))
        << "the total at the diameters the library offers in the range";
    EXPECT_EQ(curves.back().x, std::vector<double>{1.8}) << "the hop as it is, its own point";
    EXPECT_EQ(view.chart.marks.back().value, 1.8) << "the hop's own value";
    EXPECT_TRUE(view.chart.logY);
}

TEST_F(SweepTest, RefusesRangesItCannotDrawAndSaysWhy) {
    openForm();
    click(kSweepButton);
    messages.clear();
    const int draws = view.draws;
    view.events->onSweep(3, "abc", "80", "50");
    view.events->onSweep(3, "0.05", "80", "50");
    view.events->onSweep(3, "10", "80", "2.5");
    view.events->onSweep(3, "10", "80", "1001");
    view.events->onSweep(0, "4", "4.5", "50");
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{
                              "Invalid data : From", "The hop length must be at least 0.1 km.",
                              "The number of steps must be from 2 to 1000.",
                              "The number of steps must be from 2 to 1000.",
                              "The library offers no antenna diameter from 4 to 4.5 m."}));
    EXPECT_EQ(view.draws, draws);
    view.events->onSweep(3, "10", "80", "8");
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

    const SweepPoint at3 = sweepPoint(session.hop, SweepInput::Diameter, 3.0);
    messages.scriptAnswer(MessageAnswer::Yes);
    view.events->onPointChosen(2.9); // the nearest diameter the library offers is taken
    const std::string question = boxTexts().back();
    EXPECT_TRUE(question.starts_with("Take Antenna diameters, both 3 m into the Form page?\n"
                                     "There: Multipath outage " +
                                     percentWords(at3.outagePct) + " % of the worst month"))
        << question;
    EXPECT_NE(question.find(meetsObjective(at3.outagePct, session.hop.record.outageObjectivePct)
                                ? ": meets"
                                : ": misses by"),
              std::string::npos)
        << question;
    for (const ControlId field : {kAntenna1DiameterField, kAntenna2DiameterField}) {
        EXPECT_EQ(page().text(field), "3.0");
    }
    EXPECT_EQ(page().text(kAntenna1GainField), gainText(3.0, 7.5));
    EXPECT_EQ(session.hop.record.antenna2DiameterM, 3.0);
    EXPECT_EQ(session.hop.record.antenna2GainDbi, antennaGainDbi(3.0, 7.5));

    view.events->onSweep(2, "0.5", "4", "2"); // antenna 2 alone
    messages.scriptAnswer(MessageAnswer::Yes);
    view.events->onPointChosen(1.2);
    EXPECT_EQ(std::pair(page().text(kAntenna1DiameterField), page().text(kAntenna2DiameterField)),
              std::pair(std::string("3.0"), std::string("1.2")));

    view.events->onSweep(3, "10", "80", "3");
    messages.clear();
    view.events->onPointChosen(45.0);
    EXPECT_TRUE(boxTexts().back().starts_with(
        "Hop length 45 km: this value is changed on the Basics page.\nThere: "));
}

using ChartTitleBlocks = FormTest;

TEST_F(ChartTitleBlocks, NameTheHopItsStationsFrequencyAndVerdictAndProposeAFileBesideIt) {
    openForm();
    session.app.fullFileName = std::filesystem::path("/srv/links/LINK7.HOP");
    const ChartContent budget = budgetChart(linkBudgetSteps(session.hop));
    const ChartTitleBlock block = withTitleBlock(budget, session.titleBlockSources()).titleBlock;
    EXPECT_EQ(std::tie(block.fileStem, block.folder), std::tuple("LINK7-budget", "/srv/links"));
    ASSERT_GE(block.lines.size(), 2u);
    EXPECT_TRUE(block.lines[0].starts_with("LINK7: ")) << block.lines[0];
    EXPECT_TRUE(block.lines[0].ends_with(" GHz, " + session.reportDateStamp())) << block.lines[0];
    EXPECT_EQ(block.lines[1], "Negative fading margin.") << "where the calculation stops, why";
    EXPECT_EQ(
        withTitleBlock(outOfDateChart(budget), session.titleBlockSources()).titleBlock.lines.back(),
        kResultsOutOfDateText);
    session.app.fullFileName.clear();
    session.app.currentHopFileName.clear();
    EXPECT_EQ(withTitleBlock(budget, session.titleBlockSources()).titleBlock.fileStem,
              "untitled-budget");
}

TEST(ChartContents, ASweepShowsWhereAndWhyTheCalculationStopsAsBands) {
    Sweep sweep;
    const auto point = [](double value, PointOutcome outcome) {
        return SweepPoint{value, outcome, CalcStatus::NegativeMargin, 0.001, 0.001, 0.0, {}};
    };
    sweep.points = {point(1, PointOutcome::Stopped), point(2, PointOutcome::Stopped),
                    point(3, PointOutcome::Results), point(4, PointOutcome::NotFinite)};
    sweep.own.outcome = PointOutcome::Stopped;
    const ChartContent chart = sweepChart(sweep, std::nullopt);
    ASSERT_EQ(chart.bands.size(), 2u);
    EXPECT_EQ(
        std::tie(chart.bands[0].from, chart.bands[0].to, chart.bands[1].from, chart.bands[1].to),
        std::tuple(1.0, 2.5, 3.5, 4.0));
    EXPECT_EQ(chart.bands[1].label, "Calculation stops: a result is not a finite number");
    EXPECT_EQ(chart.curves.back().name, "Total outage") << "no point for a hop that stops";
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
    route.verdict = "incomplete: 1 hop not calculated, 1 out of date";
    route.bars = {{1, "A - B", RouteHopStatus::MeetsShare, 0.004, 0.001, 0.005},
                  {2, "B - C", RouteHopStatus::NotCalculated, 0.0, -1.0, 0.005},
                  {3, "C - D", RouteHopStatus::OutOfDate, 0.002, -1.0, 0.005}};
    const ChartContent chart = routeChartContent(route);
    EXPECT_EQ(chart.table.rows[1],
              (std::vector<std::string>{"2", "B - C", "-", "-", "0.005", "not calculated"}));
    ASSERT_EQ(chart.bars.size(), 4u) << "hop 1, hop 2's word, hop 3, the total";
    EXPECT_EQ(chart.bars[1].label, "not calculated");
    EXPECT_EQ(chart.bars[1].high, 0.0);
    EXPECT_EQ(std::tie(chart.bars[2].role, chart.bars[2].high, chart.bars[2].label),
              std::tuple(ChartRole::Stale, 0.002, "out of date 0.002"))
        << "a stale value drawn hatched";
    EXPECT_EQ(std::tie(chart.bars[3].role, chart.bars[3].label),
              std::tuple(ChartRole::Stale, "incomplete"));
    const auto rain = std::ranges::find(chart.marks, "Rain, annual", &ChartMark::name);
    ASSERT_NE(rain, chart.marks.end());
    EXPECT_EQ(std::tie(rain->value, rain->rightAxis), std::tuple(0.001, true))
        << "a year's rain on its own axis, not stacked on the worst month";
    EXPECT_EQ(chart.verdict, "Route outage 0.0040 %, objective 0.0100 %: incomplete: 1 hop not "
                             "calculated, 1 out of date.");
}

TEST(ChartContents, TheBudgetDrawsLevelsFromALabelledFloorTheThresholdAsALineAndNoSelectiveLevel) {
    LinkBudget budget;
    budget.steps = {
        {"ptx", "Transmitter power", BudgetStepKind::Level, 30.0, 30.0},
        {"antenna2Gain", "Antenna 2 gain", BudgetStepKind::Gain, 40.0, 70.0},
        {"pathLoss", "Path loss", BudgetStepKind::Loss, 110.0, -40.0},
        {"prxth", "Receiver threshold", BudgetStepKind::Level, -81.0, -81.0},
        {"thresholdDegradation", "Threshold degradation", BudgetStepKind::Degradation, 1.0, -80.0},
        {"flatMargin", "Flat fading margin", BudgetStepKind::Margin, 40.0, -80.0},
        {"selectiveMargin", "Selective fading margin", BudgetStepKind::Margin, 30.0, -70.0},
        {"diversityPrx", "Prx, second frequency", BudgetStepKind::Level, -41.0, -41.0}};
    const ChartContent chart = budgetChart(budget);
    struct Expected {
        std::size_t step;
        double low, high;
        ChartRole role;
    };
    for (const auto& [step, low, high, role] :
         {Expected{0, -100.0, 30.0, ChartRole::Level}, Expected{1, 30.0, 70.0, ChartRole::Gain},
          Expected{2, -40.0, 70.0, ChartRole::Loss}, Expected{5, -80.0, -40.0, ChartRole::Margin},
          Expected{6, -55.0, -55.0, ChartRole::Margin},
          Expected{7, -100.0, -41.0, ChartRole::Diversity}}) {
        const ChartBar& bar = chart.bars[step];
        EXPECT_EQ(std::tie(bar.low, bar.high, bar.role), std::tie(low, high, role)) << step;
    }
    EXPECT_EQ(chart.bars[6].label, "sel. 30.0 dB") << "words, not a level";
    ASSERT_EQ(chart.marks.size(), 2u);
    EXPECT_EQ(std::tie(chart.marks[0].name, chart.marks[0].value, chart.marks[0].role),
              std::tuple("Floor -100 dBm", -100.0, ChartRole::Floor));
    EXPECT_EQ(std::tie(chart.marks[1].value, chart.marks[1].role),
              std::tuple(-80.0, ChartRole::Threshold));
    EXPECT_EQ(chart.table.rows[1][2], "dBi");
    EXPECT_EQ(chart.table.rows[2][2], "dB");
}

TEST(ChartContents, AnnualRainStandsOnItsOwnAxisAgainstTheAvailabilityObjectiveOrIsNegligible) {
    HopState hop;
    hop.record.frequencyGHz = 18.0;
    hop.record.outageObjectivePct = 0.005;
    hop.results.p = hop.results.pfm = 0.004;
    hop.results.Lo = 140.0;
    hop.results.rainWorstMonthPct = 0.1;
    struct Case {
        double annualPct;
        std::optional<double> objectivePct;
        std::string shown;
        std::size_t rightMarks;
    };
    for (const auto& [annual, objective, shown, rightMarks] :
         {Case{0.02, 0.01, "0.02000", 1}, Case{0.02, std::nullopt, "0.02000", 0},
          Case{rainLowerLimitPct(), 0.01, "negligible", 1}}) {
        hop.results.rainAnnualPct = annual;
        hop.results.rainWorstMonthPct = annual * 5.0;
        const ChartContent chart = outageChart(hop, objective);
        EXPECT_EQ(chart.yTitle, "Time (% of the worst month)");
        EXPECT_EQ(chart.rightYTitle, "Rain unavailability (% of a year)");
        const ChartBar& rain = chart.bars.back();
        EXPECT_TRUE(rain.rightAxis);
        EXPECT_EQ(rain.label, shown);
        EXPECT_EQ(rain.high == rain.low, shown == "negligible") << "no floor drawn as a result";
        EXPECT_EQ(
            std::ranges::count_if(chart.marks, [](const ChartMark& m) { return m.rightAxis; }),
            static_cast<long>(rightMarks));
        EXPECT_EQ(chart.bars[0].label, "0.00400") << "the results' own number format";
    }
    hop.results.rainAnnualPct = hop.results.rainWorstMonthPct = -1.0;
    EXPECT_TRUE(outageChart(hop, 0.01).rightYTitle.empty()) << "no rain, no second axis";

    Sweep sweep;
    sweep.hasRain = true;
    sweep.points = {SweepPoint{1.0, PointOutcome::Results, CalcStatus::Ok, 1e-3, 1e-3, 0.0, {}},
                    SweepPoint{2.0, PointOutcome::Results, CalcStatus::Ok, 1e-4, 1e-4, 0.0, {}}};
    sweep.points[0].rain.annualPct = 0.02;
    sweep.points[1].rain.annualPct = rainLowerLimitPct();
    const ChartContent swept = sweepChart(sweep, std::nullopt);
    const auto rain = std::ranges::find(swept.curves, "Rain, annual", &ChartCurve::name);
    ASSERT_NE(rain, swept.curves.end());
    EXPECT_TRUE(rain->rightAxis);
    EXPECT_EQ(rain->y[0], 0.02);
    EXPECT_TRUE(std::isnan(rain->y[1])) << "no floor drawn as a result";
    EXPECT_EQ(swept.table.rows[1][4], "negligible");
    EXPECT_TRUE(swept.labels.empty()) << "without an objective the chart stays as it was";
    EXPECT_TRUE(std::ranges::none_of(swept.marks, &ChartMark::rightAxis));

    sweep.own.rain.annualPct = 0.02;
    const ChartContent judged = sweepChart(sweep, 0.01);
    const auto objective = std::ranges::find(judged.marks, true, &ChartMark::rightAxis);
    ASSERT_NE(objective, judged.marks.end());
    EXPECT_EQ(std::tie(objective->name, objective->value),
              std::tuple("Availability objective", 0.01));
    ASSERT_EQ(judged.labels.size(), 1u);
    EXPECT_EQ(std::tie(judged.labels[0].text, judged.labels[0].x, judged.labels[0].rightAxis),
              std::tuple("Rain negligible", 2.0, true))
        << "words over the run of points where only the method's limit is known";
    EXPECT_LT(judged.labels[0].y, 0.01) << "under every figure of the rain axis";
    EXPECT_NE(judged.verdict.find("\nRain unavailability 0.0200 % of a year"), std::string::npos)
        << judged.verdict;
    sweep.hasRain = false;
    EXPECT_EQ(sweepChart(sweep, 0.01).marks.size(), 2u) << "below 6 GHz: no rain to judge";
}

TEST(ChartContents, TheRouteRainStandsAsAColumnOfItsOwnJudgedOnlyWhenEveryHopIsCurrent) {
    RouteChart route;
    route.complete = true;
    route.rainWords = "Rain unavailability ...";
    route.bars = {{1, "A - B", RouteHopStatus::MeetsShare, 0.004, 0.003, 0.005}};
    struct Case {
        OutageJudgement rain;
        bool complete;
        std::string word;
        ChartRole role;
    };
    const auto rain = [](double pct, std::optional<double> objective) {
        return rainJudgement(pct, objective);
    };
    for (const auto& [judgement, complete, word, role] :
         {Case{rain(0.003, 0.004), true, "meets", ChartRole::Meets},
          Case{rain(0.005, 0.004), true, "misses", ChartRole::Misses},
          Case{rain(0.003, std::nullopt), true, "not judged", ChartRole::Rain},
          Case{rain(0.003, 0.004), false, "incomplete", ChartRole::Stale},
          Case{rain(rainLowerLimitPct(), 0.004), true, "negligible", ChartRole::Meets}}) {
        route.rain = judgement;
        route.complete = complete;
        const ChartContent chart = routeChartContent(route);
        ASSERT_EQ(chart.categories.back(), "Route rain") << word;
        const ChartBar& bar = chart.bars.back();
        EXPECT_EQ(std::tie(bar.label, bar.role), std::tie(word, role)) << word;
        EXPECT_TRUE(bar.rightAxis) << "a year's rain on its own axis";
        EXPECT_EQ(bar.high == 0.0, word == "negligible") << "no floor drawn as a result";
        EXPECT_EQ(std::ranges::count(chart.marks, "Availability objective", &ChartMark::name),
                  judgement.objectivePct ? 1 : 0);
        EXPECT_TRUE(chart.verdict.ends_with("\nRain unavailability ....")) << chart.verdict;
    }
    route.rain = {};
    EXPECT_NE(routeChartContent(route).categories.back(), "Route rain") << "no rain, no column";
}

} // namespace
} // namespace korvel
