#include "platform/qt/qt_chart_series.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

// Colours that read on the light and on the dark chart theme alike.
QColor colourOf(ChartRole role) {
    switch (role) {
    case ChartRole::Level:
    case ChartRole::Total:
        return {0x1f, 0x77, 0xb4};
    case ChartRole::Loss:
    case ChartRole::Misses:
        return {0xd6, 0x27, 0x28};
    case ChartRole::Gain:
    case ChartRole::Meets:
        return {0x2c, 0xa0, 0x2c};
    case ChartRole::Margin:
        return {0x94, 0x67, 0xbd};
    case ChartRole::Flat:
        return {0xff, 0x7f, 0x0e};
    case ChartRole::Selective:
        return {0xbc, 0x80, 0xbd};
    case ChartRole::Rain:
        return {0x17, 0xbe, 0xcf};
    case ChartRole::Objective:
        return {0xe3, 0x1a, 0x1c};
    case ChartRole::Current:
    case ChartRole::Stale:
        return {0x7f, 0x7f, 0x7f};
    case ChartRole::Stopped:
        return {0xbb, 0xbb, 0xbb};
    case ChartRole::Terrain:
        return {0x8c, 0x56, 0x4b};
    case ChartRole::Clutter:
        return {0x2c, 0xa0, 0x2c};
    case ChartRole::Sight:
        return {0x1f, 0x77, 0xb4};
    case ChartRole::Fresnel:
    case ChartRole::FresnelShare:
        return {0xff, 0x7f, 0x0e};
    case ChartRole::Earth:
        return {0x17, 0xbe, 0xcf};
    case ChartRole::SightOtherK:
        return {0x94, 0x67, 0xbd};
    case ChartRole::Diversity:
        return {0xe3, 0x77, 0xc2};
    case ChartRole::Mast:
        return {0x55, 0x55, 0x55};
    case ChartRole::Threshold:
        return {0xbc, 0xbd, 0x22};
    case ChartRole::Floor:
        return {0x99, 0x99, 0x99};
    }
    return Qt::gray;
}

QString legendOf(ChartRole role) {
    switch (role) {
    case ChartRole::Level:
        return QStringLiteral("Level");
    case ChartRole::Loss:
        return QStringLiteral("Loss");
    case ChartRole::Gain:
        return QStringLiteral("Gain (dBi)");
    case ChartRole::Margin:
        return QStringLiteral("Margin");
    case ChartRole::Total:
        return QStringLiteral("Total outage");
    case ChartRole::Flat:
        return QStringLiteral("Flat outage");
    case ChartRole::Selective:
        return QStringLiteral("Selective outage");
    case ChartRole::Rain:
        return QStringLiteral("Rain");
    case ChartRole::Objective:
        return QStringLiteral("Objective");
    case ChartRole::Meets:
        return QStringLiteral("Meets its share");
    case ChartRole::Misses:
        return QStringLiteral("Misses its share");
    case ChartRole::Current:
        return QStringLiteral("The hop's value");
    case ChartRole::Stale:
        return QStringLiteral("Out of date or incomplete");
    case ChartRole::Stopped:
        return QStringLiteral("Calculation stops");
    case ChartRole::Terrain:
        return QStringLiteral("Terrain");
    case ChartRole::Clutter:
        return QStringLiteral("Clutter");
    case ChartRole::Sight:
        return QStringLiteral("Line of sight");
    case ChartRole::Fresnel:
        return QStringLiteral("Fresnel zone");
    case ChartRole::FresnelShare:
        return QStringLiteral("Share of the Fresnel zone");
    case ChartRole::Earth:
        return QStringLiteral("Earth curvature");
    case ChartRole::SightOtherK:
        return QStringLiteral("Line of sight at another k");
    case ChartRole::Diversity:
        return QStringLiteral("Diversity");
    case ChartRole::Mast:
        return QStringLiteral("Mast");
    case ChartRole::Threshold:
        return QStringLiteral("Threshold");
    case ChartRole::Floor:
        return QStringLiteral("Floor");
    }
    return {};
}

// The runs of a curve between its points without a finite value.
std::vector<QList<QPointF>> finitePieces(const ChartCurve& curve) {
    std::vector<QList<QPointF>> pieces;
    bool open = false;
    for (std::size_t i = 0; i < curve.x.size() && i < curve.y.size(); ++i) {
        if (!std::isfinite(curve.y[i])) {
            open = false;
            continue;
        }
        if (!open) {
            pieces.emplace_back();
            open = true;
        }
        pieces.back().append(QPointF(curve.x[i], curve.y[i]));
    }
    return pieces;
}

// The runs of a band where both its edges have a value.
std::vector<std::pair<QList<QPointF>, QList<QPointF>>> bandPieces(const ChartArea& area) {
    std::vector<std::pair<QList<QPointF>, QList<QPointF>>> pieces;
    bool open = false;
    const std::size_t count = std::min({area.x.size(), area.low.size(), area.high.size()});
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(area.low[i]) || !std::isfinite(area.high[i])) {
            open = false;
            continue;
        }
        if (!open) {
            pieces.emplace_back();
            open = true;
        }
        pieces.back().first.append(QPointF(area.x[i], area.high[i]));
        pieces.back().second.append(QPointF(area.x[i], area.low[i]));
    }
    return pieces;
}

// A text at a point of the plot: a scatter point nobody sees, with its label shown.
QScatterSeries* pointLabel(QScatterSeries* label, const std::string& text, QPointF at,
                           const QColor& colour) {
    label->replace(QList<QPointF>{at});
    label->setMarkerSize(1.0);
    label->setColor(Qt::transparent);
    label->setBorderColor(Qt::transparent);
    // '@' would start a point label's placeholder.
    label->setPointLabelsFormat(toQString(text).replace(QLatin1Char('@'), QString()));
    label->setPointLabelsVisible(true);
    label->setPointLabelsClipping(false);
    label->setPointLabelsColor(colour);
    return label;
}

Qt::PenStyle strokeOf(const ChartCurve& curve) {
    switch (curve.stroke) {
    case ChartStroke::ByRole:
        break;
    case ChartStroke::Solid:
        return Qt::SolidLine;
    case ChartStroke::Dashed:
        return Qt::DashLine;
    case ChartStroke::Dotted:
        return Qt::DotLine;
    case ChartStroke::DashDotted:
        return Qt::DashDotLine;
    }
    if (curve.role == ChartRole::Fresnel) {
        return Qt::DashLine;
    }
    return curve.role == ChartRole::FresnelShare ? Qt::DotLine : Qt::SolidLine;
}

QAbstractAxis* categoryAxis(const std::vector<std::string>& categories) {
    auto* axis = new QCategoryAxis;
    axis->setStartValue(-0.5);
    for (std::size_t i = 0; i < categories.size(); ++i) {
        axis->append(toQString(categories[i]), static_cast<double>(i) + 0.5);
    }
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    if (categories.size() > 6) {
        QFont small = axis->labelsFont();
        small.setPointSizeF(small.pointSizeF() * (categories.size() > 12 ? 0.8 : 0.9));
        axis->setLabelsFont(small);
    }
    axis->setGridLineVisible(false);
    return axis;
}

} // namespace

QAbstractAxis* xAxisOf(const ChartContent& content, const ChartFrame& frame) {
    QAbstractAxis* axis = nullptr;
    if (!content.categories.empty()) {
        axis = categoryAxis(content.categories);
    } else {
        auto* values = new QValueAxis;
        values->setLabelFormat(QStringLiteral("%g"));
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(frame.xTickAnchor);
        values->setTickInterval(frame.xTickStep);
        axis = values;
    }
    axis->setRange(frame.x.low, frame.x.high);
    axis->setTitleText(toQString(content.xTitle));
    return axis;
}

namespace {

QAbstractAxis* valueAxis(bool logarithmic, const AxisSpan& span, int ticks,
                         const std::string& title) {
    QAbstractAxis* axis = nullptr;
    if (logarithmic) {
        auto* decades = new QLogValueAxis;
        decades->setBase(10.0);
        decades->setLabelFormat(QStringLiteral("%g"));
        decades->setMinorTickCount(-1);
        axis = decades;
    } else {
        auto* values = new QValueAxis;
        values->setLabelFormat(QStringLiteral("%g"));
        values->setTickCount(ticks);
        axis = values;
    }
    axis->setRange(span.low, span.high);
    axis->setTitleText(toQString(title));
    return axis;
}

} // namespace

QAbstractAxis* yAxisOf(const ChartContent& content, const ChartFrame& frame) {
    return valueAxis(content.logY, frame.y, frame.yTickCount, content.yTitle);
}

QAbstractAxis* rightYAxisOf(const ChartContent& content, const ChartFrame& frame) {
    return valueAxis(content.logY, frame.rightY, frame.rightYTickCount, content.rightYTitle);
}

void reframeAxes(QChart& chart, const ChartContent& content, const ChartFrame& frame) {
    QAbstractAxis* x = chart.axes(Qt::Horizontal).front();
    x->setRange(frame.x.low, frame.x.high);
    x->setTitleText(toQString(content.xTitle));
    if (auto* values = qobject_cast<QValueAxis*>(x)) {
        values->setTickAnchor(frame.xTickAnchor);
        values->setTickInterval(frame.xTickStep);
    }
    const QList<QAbstractAxis*> ys = chart.axes(Qt::Vertical);
    for (qsizetype i = 0; i < ys.size(); ++i) {
        const bool right = i > 0;
        ys[i]->setRange(right ? frame.rightY.low : frame.y.low,
                        right ? frame.rightY.high : frame.y.high);
        ys[i]->setTitleText(toQString(right ? content.rightYTitle : content.yTitle));
        if (auto* values = qobject_cast<QValueAxis*>(ys[i])) {
            values->setTickCount(right ? frame.rightYTickCount : frame.yTickCount);
        }
    }
}

ChartSeriesAdder::ChartSeriesAdder(QChart* chart, const ChartFrame& frame, bool dark, bool reuse)
    : chart_(chart), frame_(frame), labelColour_(dark ? Qt::white : Qt::black),
      xAxis_(chart->axes(Qt::Horizontal).front()), yAxis_(chart->axes(Qt::Vertical).front()),
      rightYAxis_(chart->axes(Qt::Vertical).back()) {
    if (reuse) {
        reused_ = chart->series();
    }
}

template <class Series> Series* ChartSeriesAdder::reusable() {
    if (next_ < reused_.size()) {
        if (auto* series = qobject_cast<Series*>(reused_[next_])) {
            ++next_;
            return series;
        }
        dropUnused(); // from here the drawing differs: new series
    }
    return nullptr;
}

template <class Series> Series* ChartSeriesAdder::make() {
    Series* series = reusable<Series>();
    return series != nullptr ? series : new Series(chart_);
}

void ChartSeriesAdder::dropUnused() {
    for (qsizetype i = next_; i < reused_.size(); ++i) {
        chart_->removeSeries(reused_[i]);
        delete reused_[i];
    }
    reused_.resize(next_);
}

QLineSeries* ChartSeriesAdder::line(const QList<QPointF>& points) {
    auto* line = make<QLineSeries>();
    line->replace(points);
    return line;
}

QAreaSeries* ChartSeriesAdder::filled(const QList<QPointF>& upper, const QList<QPointF>& lower) {
    if (auto* shape = reusable<QAreaSeries>()) {
        shape->upperSeries()->replace(upper);
        shape->lowerSeries()->replace(lower);
        return shape;
    }
    auto* top = new QLineSeries(chart_);
    top->replace(upper);
    auto* bottom = new QLineSeries(chart_);
    bottom->replace(lower);
    return new QAreaSeries(top, bottom);
}

void ChartSeriesAdder::add(QAbstractSeries* series, bool legend, bool right) {
    // A series taken again is on the chart and its axes already.
    if (series->chart() == nullptr) {
        chart_->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(right ? rightYAxis_ : yAxis_);
    }
    for (QLegendMarker* marker : chart_->legend()->markers(series)) {
        marker->setVisible(legend);
    }
}

void ChartSeriesAdder::area(const ChartArea& area) {
    for (const auto& [high, low] : bandPieces(area)) {
        auto* shape = filled(high, low);
        QColor fill = colourOf(area.role);
        fill.setAlpha(area.role == ChartRole::Clutter ? 150 : 110);
        shape->setColor(fill);
        shape->setBorderColor(Qt::transparent);
        add(shape, false);
    }
}

// A band shaded over the plot's height, its words across its middle.
void ChartSeriesAdder::band(const ChartBand& band) {
    const AxisSpan& y = frame_.y;
    auto* area = filled({QPointF(band.from, y.high), QPointF(band.to, y.high)},
                        {QPointF(band.from, y.low), QPointF(band.to, y.low)});
    area->setName(toQString(band.label));
    QColor fill = colourOf(band.role);
    fill.setAlpha(110);
    area->setColor(fill);
    area->setBorderColor(Qt::transparent);
    add(area, false);
    const double middle =
        chart_->axes(Qt::Vertical).front()->type() == QAbstractAxis::AxisTypeLogValue
            ? std::sqrt(y.low * y.high)
            : (y.low + y.high) / 2.0;
    add(pointLabel(make<QScatterSeries>(), band.label, QPointF((band.from + band.to) / 2.0, middle),
                   labelColour_),
        false);
}

void ChartSeriesAdder::label(const ChartLabel& text) {
    auto* label = pointLabel(make<QScatterSeries>(), text.text, QPointF(text.x, text.y),
                             text.role == ChartRole::Misses ? colourOf(text.role) : labelColour_);
    if (text.role == ChartRole::Misses) {
        QFont bold = label->pointLabelsFont();
        bold.setBold(true);
        label->setPointLabelsFont(bold);
    }
    add(label, false, text.rightAxis);
}

void ChartSeriesAdder::bar(const ChartBar& bar) {
    const double left = bar.category - 0.35;
    const double right = bar.category + 0.35;
    if (bar.high != bar.low) {
        // An area does not own its edges: the chart does.
        const double top = std::max(bar.low, bar.high);
        const double bottom = std::min(bar.low, bar.high);
        auto* area = filled({QPointF(left, top), QPointF(right, top)},
                            {QPointF(left, bottom), QPointF(right, bottom)});
        area->setName(legendOf(bar.role));
        area->setColor(colourOf(bar.role));
        area->setBorderColor(colourOf(bar.role).darker(130));
        if (bar.role == ChartRole::Stale) {
            area->setBrush(QBrush(colourOf(bar.role), Qt::BDiagPattern));
        }
        add(area, inLegend_.insert(bar.role).second, bar.rightAxis);
    }
    if (!bar.label.empty()) {
        add(pointLabel(make<QScatterSeries>(), bar.label,
                       QPointF(bar.category, std::max(bar.low, bar.high)),
                       bar.role == ChartRole::Misses ? colourOf(bar.role) : labelColour_),
            false, bar.rightAxis);
    }
}

void ChartSeriesAdder::mark(const ChartMark& mark) {
    const bool segment = std::isfinite(mark.from) && std::isfinite(mark.to);
    auto* line = this->line(
        mark.vertical
            ? QList<QPointF>{QPointF(mark.value, frame_.y.low), QPointF(mark.value, frame_.y.high)}
            : QList<QPointF>{QPointF(segment ? mark.from : frame_.x.low, mark.value),
                             QPointF(segment ? mark.to : frame_.x.high, mark.value)});
    line->setName(toQString(mark.name));
    QPen pen(colourOf(mark.role));
    pen.setWidthF(2.0);
    pen.setStyle(mark.role == ChartRole::Current || mark.role == ChartRole::Floor ? Qt::DotLine
                                                                                  : Qt::DashLine);
    line->setPen(pen);
    add(line, namesInLegend_.insert(mark.name).second, mark.rightAxis);
}

void ChartSeriesAdder::curve(const ChartCurve& curve) {
    QPen pen(colourOf(curve.role));
    const bool heavy = curve.role == ChartRole::Total || curve.role == ChartRole::Terrain ||
                       curve.role == ChartRole::Mast;
    pen.setWidthF(heavy ? 2.5 : 1.5);
    pen.setStyle(strokeOf(curve));
    // Each piece is filled whole before the chart takes it: a point appended to a series on a
    // chart redraws the chart, and a profile has tens of thousands.
    bool first = true;
    ++curves_;
    for (const QList<QPointF>& points : finitePieces(curve)) {
        // A curve of one point (the hop's own value) is a marker.
        if (curve.x.size() == 1) {
            auto* point = make<QScatterSeries>();
            point->setName(toQString(curve.name));
            point->setColor(colourOf(curve.role));
            point->setMarkerSize(11.0);
            point->replace(points);
            add(point, first, curve.rightAxis);
            first = false;
            continue;
        }
        auto* piece = line(points);
        piece->setName(toQString(curve.name));
        piece->setPen(pen);
        add(piece, first, curve.rightAxis);
        if (curve.stroke != ChartStroke::ByRole) {
            // Curves of one role told apart by their stroke: the legend draws the stroke.
            for (QLegendMarker* marker : chart_->legend()->markers(piece)) {
                marker->setShape(QLegend::MarkerShapeFromSeries);
            }
        }
        first = false;
    }
}

} // namespace korvel
