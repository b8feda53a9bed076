#pragma once
// A drawn chart as the files of a report take it: a picture with its title block above the plot
// (PNG at the screen's resolution or at 300 dpi, SVG), and its table as CSV.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/chart_view.h"

class QChartView;

namespace korvel {

inline constexpr double kPrintDpi = 300.0;

// The title block and the chart at `dpi` (the screen's own when 0), marked with that resolution.
QImage chartImage(QChartView& view, const ChartContent& content, double dpi);

// The same as an SVG document.
QByteArray chartSvg(QChartView& view, const ChartContent& content);

// One header line, then one line per row with exactly as many cells as headers; a number that
// is missing ("-" on screen) is an empty cell.
QString chartCsv(const ChartTable& table);

} // namespace korvel
