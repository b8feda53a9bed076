#pragma once
// The series and axes of a chart on Qt Charts: colours and legend names by role, and the adder
// that puts each bar, band, area, mark, curve and label on the chart's two axes.

#include <set>
#include <string>

#include <QColor>

#include "platform/chart_frame.h"
#include "platform/chart_view.h"

class QAbstractAxis;
class QAbstractSeries;
class QChart;

namespace korvel {

QAbstractAxis* xAxisOf(const ChartContent& content, const ChartFrame& frame);
QAbstractAxis* yAxisOf(const ChartContent& content, const ChartFrame& frame);
// The second y axis, for content with a rightYTitle.
QAbstractAxis* rightYAxisOf(const ChartContent& content, const ChartFrame& frame);

// Adds the series of a chart to it on its two axes, each role or name once in the legend.
class ChartSeriesAdder final {
  public:
    ChartSeriesAdder(QChart* chart, const ChartFrame& frame, bool dark);

    void area(const ChartArea& area);
    void bar(const ChartBar& bar);
    void band(const ChartBand& band);
    void mark(const ChartMark& mark);
    void curve(const ChartCurve& curve);
    void label(const ChartLabel& label);
    [[nodiscard]] std::size_t legendEntries() const {
        return inLegend_.size() + namesInLegend_.size() + curves_;
    }

  private:
    void add(QAbstractSeries* series, bool legend, bool right = false);

    QChart* chart_;
    const ChartFrame& frame_;
    QColor labelColour_;
    QAbstractAxis* xAxis_;
    QAbstractAxis* yAxis_;
    QAbstractAxis* rightYAxis_; // yAxis_ when the chart has no second one
    std::set<ChartRole> inLegend_;
    std::set<std::string> namesInLegend_;
    std::size_t curves_ = 0;
};

} // namespace korvel
