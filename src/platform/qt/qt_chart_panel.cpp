#include "platform/qt/qt_chart_panel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <set>
#include <span>
#include <utility>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include "platform/chart_frame.h"
#include "platform/file_replace.h"
#include "platform/qt/qt_chart_export.h"
#include "platform/qt/qt_chart_series.h"
#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr std::size_t kLegendBelowAtMost = 7;

bool darkPalette(const QWidget& widget) {
    return widget.palette().color(QPalette::Window).lightness() < 128;
}

// The view that reports a click on the plot in chart values.
class ClickableChartView final : public QChartView {
  public:
    using QChartView::QChartView;
    std::function<void(const QPointF&)> clicked;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (clicked && chart()->plotArea().contains(event->position())) {
            clicked(chart()->mapToValue(event->position()));
        }
        QChartView::mousePressEvent(event);
    }
};

} // namespace

QtChartPanel::QtChartPanel(QWidget* parent, ChartExportPorts ports)
    : QWidget(parent), ports_(ports) {
    auto* layout = new QVBoxLayout(this);
    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    verdict_->setObjectName(QStringLiteral("verdict"));
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    layout->addWidget(verdict_);

    stack_ = new QStackedWidget(this);
    auto* view = new ClickableChartView(stack_);
    view->setRenderHint(QPainter::Antialiasing);
    view->setObjectName(QStringLiteral("chart"));
    view->setFocusPolicy(Qt::StrongFocus);
    view->clicked = [this](const QPointF& position) { plotClicked(position); };
    view_ = view;
    table_ = new QTableWidget(stack_);
    table_->setObjectName(QStringLiteral("table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the buttons; the arrow keys walk its rows.
    table_->setTabKeyNavigation(false);
    // Enter or a double click on a row of a sweep takes its value, as a click on the plot does.
    connect(table_, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        if (pointChosen && content_.categories.empty() && !content_.curves.empty() &&
            index.row() < static_cast<int>(content_.curves.front().x.size())) {
            pointChosen(content_.curves.front().x[static_cast<std::size_t>(index.row())]);
        }
    });
    stack_->addWidget(view_);
    stack_->addWidget(table_);
    layout->addWidget(stack_, 1);

    auto* buttons = new QHBoxLayout;
    tableButton_ = new QPushButton(QStringLiteral("&Table"), this);
    tableButton_->setCheckable(true);
    tableButton_->setObjectName(QStringLiteral("table_toggle"));
    tableButton_->setAccessibleName(QStringLiteral("Show the numbers as a table"));
    connect(tableButton_, &QPushButton::toggled, this, [this](bool on) { showTable(on); });
    auto* exportButton = new QPushButton(QStringLiteral("&Export..."), this);
    exportButton->setAccessibleName(QStringLiteral("Export as PNG, SVG or CSV"));
    exportButton->setObjectName(QStringLiteral("export"));
    connect(exportButton, &QPushButton::clicked, this, [this] { chooseExportFile(); });
    printResolution_ = new QCheckBox(QStringLiteral("PNG at &300 dpi"), this);
    printResolution_->setObjectName(QStringLiteral("dpi300"));
    printResolution_->setAccessibleName(
        QStringLiteral("Export PNG at 300 dpi (unticked: the screen's dpi)"));
    auto* copyButton = new QPushButton(QStringLiteral("&Copy"), this);
    copyButton->setAccessibleName(QStringLiteral("Copy the chart and its numbers"));
    connect(copyButton, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    buttons->addWidget(tableButton_);
    buttons->addStretch(1);
    buttons->addWidget(printResolution_);
    buttons->addWidget(exportButton);
    buttons->addWidget(copyButton);
    layout->addLayout(buttons);
}

void QtChartPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A chart window opened by the planner takes the keyboard, on its first control (the plot).
    if (!event->spontaneous()) {
        QTimer::singleShot(0, this, [this] { window()->activateWindow(); });
    }
}

void QtChartPanel::setChart(const ChartContent& content) {
    content_ = content;
    build();
    // A profile's table holds tens of thousands of rows: filled when first shown.
    tableFilled_ = false;
    if (stack_->currentIndex() == 1) {
        fillTable();
    }
}

void QtChartPanel::showTable(bool table) {
    if (table && !tableFilled_) {
        fillTable();
    }
    // The keyboard stays on what replaced the view it was on.
    const bool hadFocus = stack_->currentWidget()->hasFocus();
    stack_->setCurrentIndex(table ? 1 : 0);
    if (hadFocus) {
        stack_->currentWidget()->setFocus(Qt::OtherFocusReason);
    }
    if (tableButton_->isChecked() != table) {
        tableButton_->setChecked(table);
    }
}

void QtChartPanel::build() {
    const QString title = toQString(content_.title);
    verdict_->setText(toQString(content_.verdict));
    verdict_->setVisible(!content_.verdict.empty());
    view_->setAccessibleName(title + QStringLiteral(" chart"));
    view_->setAccessibleDescription(toQString(content_.verdict));
    table_->setAccessibleName(title + QStringLiteral(" table"));

    const bool dark = darkPalette(*this);
    const ChartFrame frame = chartFrame(content_);
    // A drawing on the same axes (the profile at another k) takes the chart's series again.
    std::string shape = std::string(dark ? "d" : "l") + (content_.logY ? "g" : "n") +
                        (content_.rightYTitle.empty() ? "" : "r");
    for (const std::string& category : content_.categories) {
        shape += '\n' + category;
    }
    const bool reuse = shape == drawnShape_ && view_->chart() != nullptr;
    drawnShape_ = std::move(shape);
    // No repaint for each series changed: one when all are.
    view_->setUpdatesEnabled(false);
    QChart* chart = reuse ? view_->chart() : newChart(frame, dark);
    chart->setTitle(title);
    if (reuse) {
        reframeAxes(*chart, content_, frame);
    }
    ChartSeriesAdder adder(chart, frame, dark, reuse);
    addContent(adder);
    adder.finish();
    // A long legend under the plot would cut its names short: beside it they stay whole.
    const Qt::Alignment legendPlace =
        adder.legendEntries() > kLegendBelowAtMost ? Qt::AlignRight : Qt::AlignBottom;
    if (chart->legend()->alignment() != legendPlace) {
        chart->legend()->setAlignment(legendPlace);
        QFont font = chart->legend()->font();
        font.setPointSizeF(font.pointSizeF() * (legendPlace == Qt::AlignRight ? 0.85 : 1 / 0.85));
        chart->legend()->setFont(font);
    }
    if (!reuse) {
        QChart* old = view_->chart();
        view_->setChart(chart);
        delete old;
    }
    view_->setUpdatesEnabled(true);
}

QChart* QtChartPanel::newChart(const ChartFrame& frame, bool dark) const {
    auto* chart = new QChart;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->addAxis(xAxisOf(content_, frame), Qt::AlignBottom);
    chart->addAxis(yAxisOf(content_, frame), Qt::AlignLeft);
    if (!content_.rightYTitle.empty()) {
        chart->addAxis(rightYAxisOf(content_, frame), Qt::AlignRight);
    }
    return chart;
}

void QtChartPanel::addContent(ChartSeriesAdder& adder) const {
    for (const ChartArea& area : content_.areas) {
        adder.area(area);
    }
    for (const ChartBar& bar : content_.bars) {
        adder.bar(bar);
    }
    for (const ChartBand& band : content_.bands) {
        adder.band(band);
    }
    for (const ChartMark& mark : content_.marks) {
        adder.mark(mark);
    }
    for (const ChartCurve& curve : content_.curves) {
        adder.curve(curve);
    }
    for (const ChartLabel& label : content_.labels) {
        adder.label(label);
    }
}

void QtChartPanel::fillTable() {
    tableFilled_ = true;
    table_->clear();
    table_->setColumnCount(static_cast<int>(content_.table.columns.size()));
    const std::vector<std::vector<std::string>> rows = rowsOf(content_.table);
    table_->setRowCount(static_cast<int>(rows.size()));
    QStringList headers;
    for (const std::string& column : content_.table.columns) {
        headers << toQString(column);
    }
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto& cells = rows[row];
        // The table holds no cell beyond its columns, and would not take one.
        const std::size_t shown = std::min(cells.size(), content_.table.columns.size());
        for (std::size_t column = 0; column < shown; ++column) {
            auto* item = new QTableWidgetItem(toQString(cells[column]));
            if (column > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    table_->resizeColumnsToContents();
}

std::optional<QByteArray> QtChartPanel::exportBytes(const QString& suffix) {
    if (suffix == QStringLiteral("png")) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const double dpi = printResolution_->isChecked() ? kPrintDpi : 0.0;
        return chartImage(*view_, content_, dpi).save(&buffer, "PNG") ? std::optional(buffer.data())
                                                                      : std::nullopt;
    }
    if (suffix == QStringLiteral("svg")) {
        QByteArray svg = chartSvg(*view_, content_);
        return svg.isEmpty() ? std::nullopt : std::optional(svg);
    }
    if (suffix == QStringLiteral("csv")) {
        return chartCsv(content_.table).toUtf8();
    }
    return std::nullopt;
}

void QtChartPanel::chooseExportFile() {
    if (ports_.files == nullptr || ports_.messages == nullptr) {
        return;
    }
    // The hop's name and the chart's, beside the hop file: LINK7-budget.png.
    const ChartTitleBlock& block = content_.titleBlock;
    if (!block.fileStem.empty()) {
        const std::filesystem::path proposed =
            std::filesystem::path(block.folder) / (block.fileStem + ".png");
        ports_.files->setStartFolder(block.folder);
        ports_.files->setStartName(block.folder.empty() ? proposed.filename().string()
                                                        : proposed.string());
    }
    const std::optional<ChosenFile> chosen = ports_.files->choose(FileDialogUse::ExportChart);
    if (!chosen) {
        return;
    }
    const QString name = QFile::decodeName(QByteArray::fromStdString(chosen->bareName.string()));
    const std::optional<QByteArray> bytes = exportBytes(QFileInfo(name).suffix().toLower());
    if (!bytes) {
        ports_.messages->show(toCp1252(name) + ": a chart is exported as .png, .svg or .csv.",
                              kAppCaption, MessageIcon::Warning);
        return;
    }
    // The safe replace: a failed write leaves an older file whole.
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes->constData());
    if (replaceFileContents(chosen->fullName,
                            std::span(first, static_cast<std::size_t>(bytes->size()))) !=
        FileWriteResult::Written) {
        ports_.messages->show("Unable to write " + toCp1252(name), kAppCaption,
                              MessageIcon::Warning);
    }
}

void QtChartPanel::copyToClipboard() {
    auto* mime = new QMimeData;
    mime->setImageData(chartImage(*view_, content_, 0.0));
    mime->setText(chartCsv(content_.table));
    QApplication::clipboard()->setMimeData(mime);
}

void QtChartPanel::plotClicked(const QPointF& position) {
    if (!pointChosen || !content_.categories.empty() || content_.curves.empty()) {
        return;
    }
    const auto& xs = content_.curves.front().x;
    const auto nearest = std::min_element(xs.begin(), xs.end(), [&](double a, double b) {
        return std::fabs(a - position.x()) < std::fabs(b - position.x());
    });
    if (nearest != xs.end()) {
        pointChosen(*nearest);
    }
}

} // namespace korvel
