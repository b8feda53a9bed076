#pragma once
// The chart windows on Qt: one modeless window per chart name, each a QtChartPanel, and the
// Sweep window (input, range, steps, OK, and its chart).

#include <functional>
#include <map>
#include <string>

#include <QPointer>

#include "platform/chart_view.h"
#include "platform/qt/qt_chart_panel.h"

class QComboBox;
class QDialog;
class QLineEdit;
class QWidget;

namespace korvel {

class QtChartPanel;

class QtChartWindows final : public ChartWindows {
  public:
    explicit QtChartWindows(QWidget* owner) : owner_(owner) {}
    ~QtChartWindows() override;
    QtChartWindows(const QtChartWindows&) = delete;
    QtChartWindows& operator=(const QtChartWindows&) = delete;

    void showChart(const ChartContent& chart) override;
    void refreshChart(const ChartContent& chart) override;
    void closeAll() override;

    // The open window of that name, or nullptr (for the scenario player).
    [[nodiscard]] QWidget* window(const std::string& name) const;
    // Told the name and title of every chart window opened.
    std::function<void(const std::string&, const QString&)> opened;

    // What the charts' Export... uses from now on.
    void setExportPorts(ChartExportPorts ports) { exportPorts_ = ports; }

  private:
    ChartExportPorts exportPorts_;
    QWidget* owner_;
    std::map<std::string, QPointer<QDialog>> windows_;
};

class QtSweepView final : public SweepView {
  public:
    explicit QtSweepView(QWidget* owner) : owner_(owner) {}
    ~QtSweepView() override;
    QtSweepView(const QtSweepView&) = delete;
    QtSweepView& operator=(const QtSweepView&) = delete;

    void open(const std::vector<std::string>& inputs, SweepEvents& events) override;
    void setRange(int input, const std::string& from, const std::string& to,
                  const std::string& steps) override;
    void showChart(const ChartContent& chart) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;

    [[nodiscard]] QWidget* window() const;
    std::function<void(const std::string&, const QString&)> opened;

    // What the charts' Export... uses from now on.
    void setExportPorts(ChartExportPorts ports) { exportPorts_ = ports; }

  private:
    ChartExportPorts exportPorts_;
    void build();
    void sweep();

    QWidget* owner_;
    SweepEvents* events_ = nullptr;
    QPointer<QDialog> dialog_;
    QComboBox* input_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* steps_ = nullptr;
    QtChartPanel* panel_ = nullptr;
    std::vector<std::string> units_;
};

} // namespace korvel
