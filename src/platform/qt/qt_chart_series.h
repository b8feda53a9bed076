#pragma once
// The series and axes of a chart on Qt Charts: colours and legend names by role, and the adder
// that puts each bar, band, area, mark, curve and label on the chart's two axes.

#include <set>
#include <string>

#include <QColor>
#include <QList>
#include <QPointF>

#include "platform/chart_frame.h"
#include "platform/chart_view.h"

class QAbstractAxis;
class QAbstractSeries;
class QAreaSeries;
class QChart;
class QLineSeries;

namespace korvel {

QAbstractAxis* xAxisOf(const ChartContent& content, const ChartFrame& frame);
QAbstractAxis* yAxisOf(const ChartContent& content, const ChartFrame& frame);
// The second y axis, for content with a rightYTitle.
QAbstractAxis* rightYAxisOf(const ChartContent& content, const ChartFrame& frame);
// The axes of a chart made by the three above, set to a new frame and titles.
void reframeAxes(QChart& chart, const ChartContent& content, const ChartFrame& frame);

// Adds the series of a chart to it on its two axes, each role or name once in the legend. With
// `reuse`, it takes the chart's own series again, in order, while they are of the kind needed
// (the profile at another k): new points into old series cost a fraction of a new chart. Call
// finish() once all is added.
class ChartSeriesAdder final {
  public:
    ChartSeriesAdder(QChart* chart, const ChartFrame& frame, bool dark, bool reuse = false);

    void area(const ChartArea& area);
    void bar(const ChartBar& bar);
    void band(const ChartBand& band);
    void mark(const ChartMark& mark);
    void curve(const ChartCurve& curve);
    void label(const ChartLabel& label);
    // Removes the chart's series that the new drawing did not take.
    void finish() { dropUnused(); }
    [[nodiscard]] std::size_t legendEntries() const {
        return inLegend_.size() + namesInLegend_.size() + curves_;
    }

  private:
    void add(QAbstractSeries* series, bool legend, bool right = false);
    template <class Series> Series* reusable();
    template <class Series> Series* make();
    void dropUnused();
    QLineSeries* line(const QList<QPointF>& points);
    QAreaSeries* filled(const QList<QPointF>& upper, const QList<QPointF>& lower);

    QChart* chart_;
    const ChartFrame& frame_;
    QColor labelColour_;
    QAbstractAxis* xAxis_;
    QAbstractAxis* yAxis_;
    QAbstractAxis* rightYAxis_; // yAxis_ when the chart has no second one
    std::set<ChartRole> inLegend_;
    std::set<std::string> namesInLegend_;
    std::size_t curves_ = 0;
    QList<QAbstractSeries*> reused_;
    qsizetype next_ = 0;
};

} // namespace korvel
