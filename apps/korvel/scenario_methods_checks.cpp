#include "scenario_methods_checks.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include "platform/qt/qt_methods_table.h"
#include "scenario_words.h"
#include "transcript.h"

namespace korvel {

namespace {

// Cancel on the busy note as soon as an import runs behind it (the import starts once the
// window's queued command is taken up).
void cancelBusyNoteOnceShown() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QProgressDialog* note : window->findChildren<QProgressDialog*>()) {
                note->findChild<QPushButton*>()->click(); // as the planner presses Cancel
                poll->deleteLater();
            }
        }
    });
    poll->start(5);
}

} // namespace

std::string actOnMethods(QtMethodsTable& table, const std::string& rest) {
    const auto [verb, argument] = splitWord(rest);
    if (verb == "import" && (argument.empty() || argument == "cancelled")) {
        if (argument == "cancelled") {
            cancelBusyNoteOnceShown();
        }
        table.pressImport();
        return {};
    }
    const std::optional<int> column = number(argument);
    if (verb != "judge" || !column || *column < 0 || *column > 2) {
        return "expected method judge 0|1|2 or method import [cancelled], not " + quoted(rest);
    }
    table.chooseJudgingColumn(*column);
    return {};
}

std::string checkMethods(const QtMethodsTable& table, const std::string& rest) {
    const auto [first, afterFirst] = splitWord(rest);
    if (first == "missing") {
        const std::string found = table.missingText().toStdString();
        return found == afterFirst
                   ? std::string()
                   : "expected missing maps " + quoted(afterFirst) + ", found " + quoted(found);
    }
    // "tip ROW COLUMN TEXT": the cell's tooltip (its accessible description) contains TEXT.
    const bool tip = first == "tip";
    const auto [rowText, afterRow] = tip ? splitWord(afterFirst) : std::pair{first, afterFirst};
    const auto [columnText, expected] = splitWord(afterRow);
    const std::optional<int> row = number(rowText);
    const std::optional<int> column = number(columnText);
    if (!row || !column) {
        return "expected a row and a column, not " + quoted(rest);
    }
    const std::string where = rowText + " " + columnText;
    if (tip) {
        const std::string detail = table.cellDetail(*row, *column).toStdString();
        return detail.find(expected) != std::string::npos
                   ? std::string()
                   : "expected the tooltip of " + where + " to contain " + quoted(expected) +
                         ", found " + quoted(detail);
    }
    const std::string found = table.cellText(*row, *column).toStdString();
    return found == expected ? std::string()
                             : "expected method cell " + where + " " + quoted(expected) +
                                   ", found " + quoted(found);
}

} // namespace korvel
