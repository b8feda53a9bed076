#pragma once
// The Profile window on Qt: k, the clearance rule set and its two rules, how the antenna heights
// are found, Apply, the chart (QtChartPanel) and the heights found in words.

#include <functional>
#include <string>

#include <QPointer>

#include "platform/profile_view.h"
#include "platform/qt/qt_chart_panel.h"

class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTableWidget;
class QWidget;

namespace korvel {

class QtChartPanel;

class QtProfileView final : public ProfileView {
  public:
    explicit QtProfileView(QWidget* owner) : owner_(owner) {}
    ~QtProfileView() override;
    QtProfileView(const QtProfileView&) = delete;
    QtProfileView& operator=(const QtProfileView&) = delete;

    void open(const std::vector<std::string>& ruleSets,
              const std::vector<std::string>& heightsModes, ProfileEvents& events) override;
    void setSettings(const ProfileSettings& settings) override;
    void showChart(const ChartContent& chart) override;
    void showHeights(const std::string& text, bool applicable) override;
    void showRules(const std::vector<ProfileRuleRow>& rows) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    bool showProgress(const std::string& text, std::size_t done, std::size_t total) override;

    [[nodiscard]] QWidget* window() const;
    // Told the name and title of the window when it opens.
    std::function<void(const std::string&, const QString&)> opened;

    // What the charts' Export... uses from now on.
    void setExportPorts(ChartExportPorts ports) { exportPorts_ = ports; }

  private:
    ChartExportPorts exportPorts_;
    void build();
    void makeControls(QDialog& dialog);
    QGridLayout* controlGrid(QDialog& dialog);
    void connectEvents(QDialog& dialog);
    [[nodiscard]] ProfileSettings settings() const;

    QWidget* owner_;
    ProfileEvents* events_ = nullptr;
    QPointer<QDialog> dialog_;
    QLineEdit* k_ = nullptr;
    QComboBox* ruleSet_ = nullptr;
    QLineEdit* rule1C_ = nullptr;
    QLineEdit* rule1K_ = nullptr;
    QLineEdit* rule2C_ = nullptr;
    QLineEdit* rule2K_ = nullptr;
    QComboBox* heightsMode_ = nullptr;
    QPushButton* draw_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* importCsv_ = nullptr;
    QPushButton* fromTerrain_ = nullptr;
    QPushButton* sites_ = nullptr;
    QLabel* heights_ = nullptr;
    QTableWidget* rules_ = nullptr;
    QtChartPanel* panel_ = nullptr;
    QPointer<QProgressDialog> progress_; // while From terrain reads
};

} // namespace korvel
