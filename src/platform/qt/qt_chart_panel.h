#pragma once
// The one chart component of the program, on Qt Charts: draws a ChartContent (bars, curves, marks,
// logarithmic or linear axes titled with their units), with the verdict in words above it, a
// Table view of the same numbers, export to PNG, SVG and CSV with the chart's title block, and copy
// to the clipboard.

#include <functional>
#include <optional>

#include <QByteArray>
#include <QWidget>

#include "platform/chart_frame.h"
#include "platform/chart_view.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace korvel {

class ChartSeriesAdder;

// Where Export... asks for the file and tells what went wrong; without them it does nothing.
struct ChartExportPorts {
    FileChooser* files = nullptr;
    Messages* messages = nullptr;
};

class QtChartPanel final : public QWidget {
    Q_OBJECT
  public:
    explicit QtChartPanel(QWidget* parent = nullptr, ChartExportPorts ports = {});

    void setChart(const ChartContent& content);
    [[nodiscard]] const ChartContent& chart() const { return content_; }

    // A click on the plot of a chart with a value x axis, at the x of the nearest curve point.
    std::function<void(double)> pointChosen;

    // The chart as a file of that suffix holds it: png (at 300 dpi when ticked), svg or csv
    // (anything else: nothing).
    [[nodiscard]] std::optional<QByteArray> exportBytes(const QString& suffix);
    void copyToClipboard();
    // Shows the table (true) or the chart (false).
    void showTable(bool table);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    [[nodiscard]] QChart* newChart(const ChartFrame& frame, bool dark) const;
    void addContent(ChartSeriesAdder& adder) const;
    void fillTable();
    void chooseExportFile();
    void plotClicked(const QPointF& position);

    ChartExportPorts ports_;
    ChartContent content_;
    QLabel* verdict_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QChartView* view_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* tableButton_ = nullptr;
    QCheckBox* printResolution_ = nullptr; // PNG at 300 dpi rather than the screen's
    bool tableFilled_ = false;             // the table shows content_
    std::string drawnShape_;               // of the chart drawn: its series, theme and axes
};

} // namespace korvel
