#include "scenario_sweep_actions.h"

#include <charconv>

#include <QAbstractButton>
#include <QTableWidget>

namespace korvel {

std::string takeSweepRow(QWidget* sweepWindow, const std::string& row) {
    auto* table = sweepWindow != nullptr
                      ? sweepWindow->findChild<QTableWidget*>(QStringLiteral("table"))
                      : nullptr;
    if (table == nullptr) {
        return "the Sweep window is not open";
    }
    // The planner shows the table (it is filled when shown), takes the row and goes back.
    auto* toggle = sweepWindow->findChild<QAbstractButton*>(QStringLiteral("table_toggle"));
    const bool tableWasShown = toggle == nullptr || toggle->isChecked();
    if (toggle != nullptr) {
        toggle->setChecked(true);
    }
    int index = -1;
    const auto [end, error] = std::from_chars(row.data(), row.data() + row.size(), index);
    if (error != std::errc{} || end != row.data() + row.size() || index < 0 ||
        index >= table->rowCount()) {
        if (!tableWasShown) {
            toggle->setChecked(false);
        }
        return "not a row of the sweep: " + row;
    }
    Q_EMIT table->activated(table->model()->index(index, 0));
    if (!tableWasShown) {
        toggle->setChecked(false);
    }
    return {};
}

} // namespace korvel
