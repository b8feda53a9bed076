#pragma once
// ResultsWindow on Qt: a modeless "Results" window beside the main window, two blocks of lines
// in a fixed-pitch font (controls 1300 and 1301). Closing it by its close box forgets it, and
// the next calculation with results opens a new one.

#include <string>
#include <vector>

#include <QPointer>

#include "platform/results_window.h"

class QDialog;
class QLabel;
class QWidget;

namespace korvel {

class QtResultsWindow final : public ResultsWindow {
  public:
    explicit QtResultsWindow(QWidget* owner) : owner_(owner) {}
    ~QtResultsWindow() override;
    QtResultsWindow(const QtResultsWindow&) = delete;
    QtResultsWindow& operator=(const QtResultsWindow&) = delete;

    void show() override;
    void setLines(const std::vector<std::string>& upper, const std::vector<std::string>& lower,
                  bool lowerChanged) override;
    void setVerdict(VerdictMark mark, const std::vector<std::string>& lines) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void setEnabled(bool enabled) override;

    // The open window (nullptr when closed), for the scenario player.
    [[nodiscard]] QWidget* window() const;
    // The verdict shown, for the scenario player.
    [[nodiscard]] VerdictMark verdict() const { return mark_; }

  private:
    QWidget* owner_;
    QPointer<QDialog> dialog_;
    QLabel* upper_ = nullptr;
    QLabel* lower_ = nullptr;
    QLabel* verdict_ = nullptr;
    VerdictMark mark_ = VerdictMark::None;
};

} // namespace korvel
