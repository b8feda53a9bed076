#pragma once
// Expectations about a chart window's contents: its table's columns and the words above it.

#include <string>

class QWidget;

namespace korvel {

// `expect chart NAME column TEXT`: a column of the table is headed TEXT; `expect chart NAME says
// TEXT`: the words above the chart contain TEXT. The failure, empty when met.
std::string checkChart(QWidget* chartWindow, const std::string& rest);

} // namespace korvel
