#pragma once
// ResultsWindow on Qt: a "Results" dock on the right of the main window (the user may float it
// or move it to another side), a line saying whether the results are stored or out of date, two
// blocks of lines in a fixed-pitch font (controls 1300 and 1301), the verdict and the rain
// judgement under them. Being part of the main window it can never open off-screen.
// Closing it by its close box forgets it, and the next calculation with results opens it anew.
// It takes its room from the window, never widening it: beside the page where both fit, else
// below it, else floating beside the window where the screen has a free place, else below it at
// its least height. It moves again whenever the window, the page or the results change size,
// unless the planner floated it.

#include <string>
#include <vector>

#include <QPointer>

#include "platform/qt/qt_dock_place.h"
#include "platform/results_window.h"

class QDockWidget;
class QObject;
class QPlainTextEdit;
class QMainWindow;
class QScrollArea;
class QWidget;

namespace korvel {

class QtMethodsTable;

class QtResultsWindow final : public ResultsWindow {
  public:
    // Makes the dock, closed, so that the main window can restore where the user left it.
    explicit QtResultsWindow(QMainWindow* owner);
    ~QtResultsWindow() override;
    QtResultsWindow(const QtResultsWindow&) = delete;
    QtResultsWindow& operator=(const QtResultsWindow&) = delete;

    void show() override;
    void setLines(const std::vector<std::string>& upper, const std::vector<std::string>& lower,
                  bool lowerChanged) override;
    void setVerdict(VerdictMark mark, const std::vector<std::string>& lines) override;
    void setAvailability(VerdictMark mark, const std::vector<std::string>& lines) override;
    void setFreshness(ResultsFreshness freshness) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void setEnabled(bool enabled) override;

    // View > Results: hides the open results, or shows again those the planner hid.
    void setShown(bool shown);
    [[nodiscard]] bool reopenable() const { return reopenable_; }
    // View > Go to results: the keyboard focus on the open results' first lines.
    void focus();

    // The open dock (nullptr when closed), for the scenario player.
    [[nodiscard]] QWidget* window() const;
    // The verdict shown, for the scenario player.
    [[nodiscard]] VerdictMark verdict() const { return mark_; }
    // The methods table under the verdict.
    [[nodiscard]] QtMethodsTable* methodsTable() const { return methods_; }
    [[nodiscard]] VerdictMark availability() const { return availabilityMark_; }
    [[nodiscard]] ResultsFreshness freshness() const { return freshness_; }

  private:
    // Beside the page where both fit, else below it, else floating; left alone when the
    // planner floated it.
    void fitDock();
    [[nodiscard]] DockRoom measure(const QScrollArea& pageScroller) const;
    void dockAt(Qt::DockWidgetArea area);
    bool floatBesideWindow();
    void watchPlaces();
    void keepOnScreen();

    QMainWindow* owner_;
    QPointer<QDockWidget> dock_;
    bool open_ = false;
    bool floatedHere_ = false; // floated for want of room, docked again when there is some
    bool placing_ = false;
    // The sides the planner last docked it on, across and down.
    Qt::DockWidgetArea besideArea_ = Qt::RightDockWidgetArea;
    Qt::DockWidgetArea belowArea_ = Qt::BottomDockWidgetArea;
    bool plannerWantsBelow_ = false;
    QPointer<QObject> watch_; // tells of the window's resizing and the planner's moves
    bool reopenable_ = false; // hidden by the planner, not closed by the program
    QPlainTextEdit* upper_ = nullptr;
    QPlainTextEdit* lower_ = nullptr;
    QPlainTextEdit* verdict_ = nullptr;
    QtMethodsTable* methods_ = nullptr;
    QPlainTextEdit* availability_ = nullptr;
    QPlainTextEdit* freshnessLine_ = nullptr;
    VerdictMark mark_ = VerdictMark::None;
    VerdictMark availabilityMark_ = VerdictMark::None;
    ResultsFreshness freshness_ = ResultsFreshness::None;
};

} // namespace korvel
