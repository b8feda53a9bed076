#include "scenario_chart_checks.h"

#include <optional>

#include <QAbstractButton>
#include <QLabel>
#include <QTableWidget>

#include "scenario_words.h"
#include "transcript.h"

namespace korvel {

namespace {

// The table's headings joined by " | ", filled as the planner shows the table.
std::string tableHeadings(QWidget* chartWindow) {
    auto* table = chartWindow->findChild<QTableWidget*>(QStringLiteral("table"));
    auto* toggle = chartWindow->findChild<QAbstractButton*>(QStringLiteral("table_toggle"));
    if (table == nullptr) {
        return {};
    }
    const bool shown = toggle == nullptr || toggle->isChecked();
    if (!shown) {
        toggle->setChecked(true);
    }
    QStringList headings;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->horizontalHeaderItem(column);
        headings << (item != nullptr ? item->text() : QString());
    }
    if (!shown) {
        toggle->setChecked(false);
    }
    return headings.join(QStringLiteral(" | ")).toStdString();
}

} // namespace

std::string checkChart(QWidget* chartWindow, const std::string& rest) {
    if (chartWindow == nullptr) {
        return "the chart window is not open";
    }
    const auto [what, text] = splitWord(rest);
    if (what == "column") {
        const std::string headings = tableHeadings(chartWindow);
        const bool found =
            (" | " + headings + " | ").find(" | " + text + " | ") != std::string::npos;
        return found ? std::string()
                     : "expected a column " + quoted(text) + ", found " + quoted(headings);
    }
    auto* verdict = chartWindow->findChild<QLabel*>(QStringLiteral("verdict"));
    const std::string words = verdict != nullptr ? verdict->text().toStdString() : std::string();
    if (what == "says") {
        return words.find(text) != std::string::npos
                   ? std::string()
                   : "expected the chart to say " + quoted(text) + ", found " + quoted(words);
    }
    if (what == "results" && (text == "stale" || text == "current")) {
        const bool stale = words.starts_with("Results out of date");
        return stale == (text == "stale")
                   ? std::string()
                   : "expected the chart's results " + text + ", found " + quoted(words);
    }
    return "not a chart expectation: " + rest;
}

std::string resizeChart(QWidget* chartWindow, const std::string& size) {
    if (chartWindow == nullptr) {
        return "the chart window is not open";
    }
    const auto [width, height] = splitWord(size);
    const std::optional<int> w = number(width);
    const std::optional<int> h = number(height);
    if (!w || !h) {
        return "not a size: " + size;
    }
    chartWindow->resize(*w, *h);
    return {};
}

} // namespace korvel
