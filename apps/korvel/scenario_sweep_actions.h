#pragma once
// The Sweep window's actions in a scenario beyond its range: taking the point of a table row.

#include <string>

class QWidget;

namespace korvel {

// `take ROW`: the table shown, the point of its row ROW (from 0) taken as Enter on that row takes
// it. The failure, empty when the row was taken.
std::string takeSweepRow(QWidget* sweepWindow, const std::string& row);

} // namespace korvel
