#include "scenario_player.h"

#include <optional>
#include <string>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_help_window.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_results_window.h"
#include "scenario_chart_checks.h"
#include "scenario_export_checks.h"
#include "scenario_files.h"
#include "scenario_methods_checks.h"
#include "scenario_results_checks.h"
#include "scenario_window_checks.h"
#include "scenario_words.h"
#include "transcript.h"

// What a scenario expects to find: the main window, a control, a file, then the results.

namespace korvel {

void ScenarioPlayer::check(bool met, const std::string& expected, const std::string& found) {
    if (!met) {
        fail("expected " + expected + ", found " + found);
    }
}

void ScenarioPlayer::expect(const std::string& what, const std::string& rest) {
    if (expectOfWindow(what, rest) || expectOfControl(what, rest) || expectOfFiles(what, rest)) {
        return;
    }
    if (const auto unmet = checkResults(program_.results, what, rest)) {
        if (!unmet->empty()) {
            fail(*unmet);
        }
    } else if (what == "results") {
        expectResults(rest);
    } else if (what == "verdict") {
        expectVerdict(rest);
    } else if (what == "chart") {
        const auto [name, remainder] = splitWord(rest);
        if (const std::string f = checkChart(program_.chartWindow(name), remainder); !f.empty()) {
            fail(f);
        }
    } else if (what == "method") {
        if (const std::string f = checkMethods(*program_.results.methodsTable(), rest);
            !f.empty()) {
            fail(f);
        }
    } else if (const std::optional<std::string> failure =
                   checkMainWindow(program_.window, what, rest)) {
        if (!failure->empty()) {
            fail(*failure);
        }
    } else {
        fail("unknown expectation: " + what);
    }
}

bool ScenarioPlayer::expectOfWindow(const std::string& what, const std::string& rest) {
    const auto [first, remainder] = splitWord(rest);
    if (what == "title") {
        // The title as the window shows it, without its modified mark.
        const std::string title =
            program_.window.windowTitle().remove(QStringLiteral("[*]")).toStdString();
        check(title == rest, "title " + quoted(rest), quoted(title));
    } else if (what == "page" && rest != "visible") {
        const std::string page = std::to_string(program_.currentPageId());
        check(page == rest, "page " + rest, "page " + page);
    } else if (what == "menu") {
        program_.window.refreshViewToggles();
        const std::optional<int> command = number(first);
        QAction* item =
            command ? program_.window.menuAction(static_cast<Command>(*command)) : nullptr;
        const bool mark = remainder == "checked" || remainder == "unchecked";
        if (item == nullptr || (remainder != "enabled" && remainder != "grayed" && !mark)) {
            fail("cannot check: expect menu " + rest);
            return true;
        }
        const std::string state = mark ? (item->isChecked() ? "checked" : "unchecked")
                                       : (item->isEnabled() ? "enabled" : "grayed");
        check(state == remainder, "menu " + first + " " + remainder, state);
    } else if (what == "status") {
        const std::string status = program_.window.statusText().toStdString();
        check(status.find(rest) != std::string::npos, "status containing " + quoted(rest),
              quoted(status));
    } else if (what == "modified") {
        const std::string modified = program_.window.isWindowModified() ? "yes" : "no";
        check(modified == rest, "modified " + rest, modified);
    } else if (what == "guide") {
        const QString page = program_.window.helpWindow().pageShown();
        const std::string shown = page.isEmpty() ? std::string("none") : page.toStdString();
        check(shown == rest, "the guide's page " + rest, shown);
    } else {
        return false;
    }
    return true;
}

bool ScenarioPlayer::expectOfControl(const std::string& what, const std::string& rest) {
    const auto [first, remainder] = splitWord(rest);
    if (what == "text") {
        if (QWidget* widget = controlOf(first, false)) {
            const std::string text = widgetText(widget).toStdString();
            check(text == remainder, "text " + quoted(remainder) + " in " + first, quoted(text));
        }
    } else if (what == "checked" || what == "enabled" || what == "visible") {
        QWidget* widget = controlOf(first, false);
        const std::optional<bool> wanted =
            remainder.empty() ? std::optional<bool>(true) : yesNo(remainder);
        if (widget == nullptr) {
            return true;
        }
        if (!wanted) {
            fail("expected yes or no, not " + remainder);
            return true;
        }
        QWidget* form = program_.host.activeView()->form();
        bool state = false;
        if (what == "checked") {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            state = button != nullptr && button->isChecked();
        } else if (what == "enabled") {
            state = widget->isEnabledTo(form);
        } else {
            state = widget->isVisibleTo(form);
        }
        check(state == *wanted, what + " " + first + " " + (*wanted ? "yes" : "no"),
              state ? "yes" : "no");
    } else if (what == "focus") {
        if (QWidget* widget = controlOf(first, false)) {
            QWidget* focused = widget->window()->focusWidget();
            check(focused == widget, "focus on " + first,
                  focused == nullptr ? "none" : focused->objectName().toStdString());
        }
    } else if (what == "row") {
        expectRow(rest);
    } else {
        return false;
    }
    return true;
}

bool ScenarioPlayer::expectOfFiles(const std::string& what, const std::string& rest) {
    const auto [first, remainder] = splitWord(rest);
    if (what == "file") {
        const QFileInfo file(QDir::current(), QString::fromStdString(rest));
        check(file.isFile() && file.size() > 0, "a file " + quoted(rest) + " with something in it",
              file.exists() ? (file.isFile() ? "it empty" : "a folder") : "none");
    } else if (what == "no" && first == "file") {
        const QFileInfo file(QDir::current(), QString::fromStdString(remainder));
        check(!file.exists(), "no file " + quoted(remainder), "one");
    } else if (what == "image") {
        if (const std::string difference = imageResolutionDifference(rest); !difference.empty()) {
            fail(difference);
        }
    } else if (what == "same") {
        if (const std::string difference = differenceBetween(first, remainder);
            !difference.empty()) {
            fail("expected the same bytes: " + difference);
        }
    } else {
        return false;
    }
    return true;
}

void ScenarioPlayer::expectResults(const std::string& rest) {
    QWidget* results = program_.results.window();
    if (rest == "closed" || rest == "open") {
        const std::string state = results == nullptr ? "closed" : "open";
        if (state != rest) {
            fail("expected the results window " + rest + ", found it " + state);
        }
        return;
    }
    const auto [first, remainder] = splitWord(rest);
    const std::optional<int> line = number(first);
    if (!line || *line < 1) {
        fail("not a results line: " + first);
        return;
    }
    if (results == nullptr) {
        fail("the results window is closed");
        return;
    }
    QStringList lines;
    for (const int block : {1300, 1301}) {
        if (auto* text =
                results->findChild<QPlainTextEdit*>(QStringLiteral("control_%1").arg(block))) {
            lines << text->toPlainText().split(QLatin1Char('\n'));
        }
    }
    const std::string found =
        *line <= lines.size() ? lines[*line - 1].toStdString() : std::string("no such line");
    if (found != remainder) {
        fail("expected results line " + first + " " + quoted(remainder) + ", found " +
             quoted(found));
    }
}

void ScenarioPlayer::expectVerdict(const std::string& rest) {
    if (rest != "met" && rest != "missed" && rest != "none") {
        fail("expected met, missed or none, not " + rest);
        return;
    }
    const VerdictMark mark =
        program_.results.window() == nullptr ? VerdictMark::None : program_.results.verdict();
    const std::string shown = mark == VerdictMark::Met      ? "met"
                              : mark == VerdictMark::Missed ? "missed"
                                                            : "none";
    if (shown != rest) {
        fail("expected verdict " + rest + ", found " + shown);
    }
}

void ScenarioPlayer::expectRow(const std::string& rest) {
    const auto [list, afterList] = splitWord(rest);
    const auto [row, text] = splitWord(afterList);
    QWidget* control = controlOf(list, false);
    auto* widget = qobject_cast<QListWidget*>(control);
    auto* table = qobject_cast<QTableWidget*>(control);
    const std::optional<int> index = number(row);
    if ((widget == nullptr && table == nullptr) || !index) {
        fail("cannot check: expect row " + rest);
        return;
    }
    const std::string found = table != nullptr ? tableRowText(*table, *index)
                              : *index >= 0 && *index < widget->count()
                                  ? widget->item(*index)->text().toStdString()
                                  : std::string("no such row");
    if (found.find(text) == std::string::npos) {
        fail("expected row " + row + " of " + list + " to contain " + quoted(text) + ", found " +
             quoted(found));
    }
}

} // namespace korvel
