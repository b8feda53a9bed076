#pragma once
// A chart window in a scenario: its table's columns and the words above it, and its size.

#include <string>

class QWidget;

namespace korvel {

// `expect chart NAME column TEXT`: a column of the table is headed TEXT; `expect chart NAME says
// TEXT`: the words above the chart contain TEXT; `expect chart NAME results stale|current`: the
// chart says its results are out of date, or does not. The failure, empty when met.
std::string checkChart(QWidget* chartWindow, const std::string& rest);

// `resize chart NAME W H`: the chart window NAME resized, as the planner drags its frame. The
// failure, empty when done.
std::string resizeChart(QWidget* chartWindow, const std::string& size);

} // namespace korvel
