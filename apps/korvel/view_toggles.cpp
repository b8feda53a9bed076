#include "view_toggles.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_results_window.h"

namespace korvel {

void addViewToggles(QtMainWindow& window, QtResultsWindow& results,
                    const std::function<QWidget*(const std::string&)>& chartWindow) {
    window.addViewToggle({QStringLiteral("&Results"), Command::ViewResults,
                          [&results] { return results.window() != nullptr; },
                          [&results] { return results.reopenable(); },
                          [&results](bool shown) { results.setShown(shown); }});
    // Ctrl+R reaches the results from the keyboard, as F6 does in turn with the page.
    QAction* goToResults = window.viewMenu()->addAction(QStringLiteral("&Go to results"));
    goToResults->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    QObject::connect(goToResults, &QAction::triggered, [&results] { results.focus(); });
    struct Chart {
        const char* text;
        const char* name;
        Command toggle;
        Command opens;
    };
    for (const Chart& chart :
         {Chart{"Link &budget", "budget", Command::ViewBudget, Command::BudgetChart},
          Chart{"&Outage against the objective", "outage", Command::ViewOutage,
                Command::OutageChart},
          Chart{"S&weep", "sweep", Command::ViewSweep, Command::Sweep},
          Chart{"&Path profile", "profile", Command::ViewProfile, Command::Profile},
          Chart{"Route outage by &hop", "route", Command::ViewRoute, Command::RouteChart}}) {
        const std::string name = chart.name;
        const auto open = [chartWindow, name] {
            const QWidget* shown = chartWindow(name);
            return shown != nullptr && shown->isVisible();
        };
        // Shown from the View menu, a chart opens as its Charts item opens it, where that serves.
        window.addViewToggle({QString::fromUtf8(chart.text), chart.toggle, open,
                              [&window, opens = chart.opens] {
                                  const QAction* item = window.menuAction(opens);
                                  return item != nullptr && item->isEnabled();
                              },
                              [&window, chartWindow, name, opens = chart.opens](bool shown) {
                                  if (shown) {
                                      window.postCommand(opens);
                                  } else if (QWidget* chartShown = chartWindow(name)) {
                                      chartShown->close();
                                  }
                              }});
    }
}

} // namespace korvel
