#include "scenario_player.h"

#include <optional>
#include <string>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_results_window.h"
#include "scenario_chart_checks.h"
#include "scenario_files.h"
#include "scenario_methods_checks.h"
#include "scenario_ports.h"
#include "scenario_sweep_actions.h"
#include "scenario_window_actions.h"
#include "scenario_words.h"
#include "transcript.h"

// What a scenario line does: menus, controls, then the program and its files.

namespace korvel {

template <typename Kind>
Kind* ScenarioPlayer::controlOfKind(const std::string& text, const char* kindName) {
    QWidget* widget = controlOf(text, true);
    if (widget == nullptr) {
        return nullptr;
    }
    auto* control = qobject_cast<Kind*>(widget);
    if (control == nullptr) {
        fail("control " + text + " is not " + kindName);
    }
    return control;
}

void ScenarioPlayer::act(const std::string& action, const std::string& rest) {
    if (actOnMenu(action, rest) || actOnControl(action, rest) || actOnProgram(action, rest)) {
        return;
    }
    if (const auto problem = fileAction(action, rest)) {
        if (!problem->empty()) {
            fail(*problem);
        }
    } else if (const auto refused = windowAction(program_.window, action, rest)) {
        if (!refused->empty()) {
            fail(*refused);
        }
    } else {
        fail("unknown action: " + action);
    }
}

bool ScenarioPlayer::actOnMenu(const std::string& action, const std::string& rest) {
    if (action == "menu") {
        const std::optional<int> command = number(rest);
        QAction* item =
            command ? program_.window.menuAction(static_cast<Command>(*command)) : nullptr;
        if (item == nullptr) {
            fail("no menu item " + rest);
        } else if (program_.host.modalDepth() > 0) {
            fail("menu " + rest + " while a modal dialog is open: the main window takes no input");
        } else if (!item->isEnabled()) {
            fail("menu item " + rest + " is grayed");
        } else {
            item->trigger();
        }
    } else if (action == "post") {
        // A command reaching the main window without the user, as from a timer or a drop.
        if (const std::optional<int> command = number(rest)) {
            program_.window.postCommand(static_cast<Command>(*command));
        } else {
            fail("not a command number: " + rest);
        }
    } else {
        return false;
    }
    return true;
}

bool ScenarioPlayer::actOnControl(const std::string& action, const std::string& rest) {
    const auto [first, remainder] = splitWord(rest);
    if (action == "click" || action == "check") {
        auto* button = controlOfKind<QAbstractButton>(rest, "a button");
        if (button != nullptr && (action == "click" || !button->isChecked())) {
            button->click();
        }
    } else if (action == "type") {
        if (auto* edit = controlOfKind<QLineEdit>(first, "a field")) {
            QtDialogView::setTextAsIs(*edit, QString::fromStdString(remainder));
            edit->textEdited(edit->text()); // the planner's edit, for the modified mark
        }
    } else if (action == "keys" || action == "paste") {
        // As the planner types at the end of the field, or pastes over its whole text: the
        // field's own rules take or refuse each key, unlike "type".
        if (auto* edit = controlOfKind<QLineEdit>(first, "a field")) {
            const QString text = QString::fromStdString(remainder);
            if (action == "paste") {
                edit->selectAll();
                edit->insert(text);
            } else {
                edit->end(false);
                for (const QChar typed : text) {
                    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
                    QCoreApplication::sendEvent(edit, &key);
                }
            }
        }
    } else if (action == "select") {
        auto* list = controlOfKind<QListWidget>(first, "a list");
        const std::optional<int> row = number(remainder);
        if (list == nullptr) {
            return true;
        }
        if (!row || *row < 0 || *row >= list->count()) {
            fail("list " + first + " has no row " + remainder);
            return true;
        }
        list->setCurrentRow(*row);
    } else {
        return false;
    }
    return true;
}

bool ScenarioPlayer::actOnProgram(const std::string& action, const std::string& rest) {
    const auto [first, remainder] = splitWord(rest);
    if (action == "answer") {
        if (const auto answer = parseAnswer(rest)) {
            program_.messages.queueAnswer(*answer);
        } else if (rest == "dialog") {
            program_.messages.queueRealBox();
        } else {
            fail("not an answer: " + rest);
        }
    } else if (action == "choose") {
        program_.files.queueChoice(rest == "cancel" ? QueuedChoice{} : QueuedChoice{rest});
    } else if (action == "cancel" && rest == "print") {
        ++cancelsQueued_;
    } else if (action == "screenshot" && first == "abort" && !remainder.empty()) {
        abortPictures_.push_back(remainder);
    } else if (action == "screenshot") {
        screenshot(rest);
    } else if (action == "method") {
        if (const std::string f = actOnMethods(*program_.results.methodsTable(), rest);
            !f.empty()) {
            fail(f);
        }
    } else if (action == "sweep") {
        sweep(rest);
    } else if (action == "take") {
        if (const std::string failure = takeSweepRow(program_.chartWindow("sweep"), rest);
            !failure.empty()) {
            fail(failure);
        }
    } else if (action == "resize" && first == "chart") {
        const auto [name, size] = splitWord(remainder);
        if (const std::string f = resizeChart(program_.chartWindow(name), size); !f.empty()) {
            fail(f);
        }
    } else if (action == "resize") {
        const std::optional<int> width = number(first);
        const std::optional<int> height = number(remainder);
        if (!width || !height) {
            fail("not a size: " + rest);
            return true;
        }
        program_.window.resize(*width, *height);
    } else if (action == "wait" && !rest.empty()) {
        waitingFor_ = QString::fromStdString(rest);
    } else if (action == "quit") {
        transcript_.note("quit");
        finish(0);
    } else {
        return false;
    }
    return true;
}

} // namespace korvel
