#include "scenario_player.h"

#include <optional>
#include <sstream>
#include <string>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_elided_label.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_results_window.h"
#include "scenario_files.h"
#include "scenario_methods_checks.h"
#include "scenario_ports.h"
#include "scenario_results_checks.h"
#include "scenario_window_actions.h"
#include "scenario_window_checks.h"
#include "transcript.h"

namespace korvel {

namespace {

constexpr int kWaitPollMs = 50;

// The first word of `text` and what follows the one space after it.
std::pair<std::string, std::string> splitWord(const std::string& text) {
    const auto space = text.find(' ');
    if (space == std::string::npos) {
        return {text, {}};
    }
    return {text.substr(0, space), text.substr(space + 1)};
}

std::optional<int> number(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789-") != std::string::npos) {
        return std::nullopt;
    }
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<bool> yesNo(const std::string& word) {
    if (word == "yes") {
        return true;
    }
    if (word == "no") {
        return false;
    }
    return std::nullopt;
}

QString widgetText(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return fullLabelText(*label);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

} // namespace

std::optional<std::vector<std::string>> readScenario(const std::string& path,
                                                     FileReadStatus& status) {
    const FileBytes file = readRegularFile(path, kTextInputLimit, BeyondLimit::Refuse);
    status = file.status;
    if (!file) {
        return std::nullopt;
    }
    std::istringstream in(std::string(file.bytes.begin(), file.bytes.end()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

ScenarioPlayer::ScenarioPlayer(std::vector<std::string> lines, PlayedProgram program,
                               Transcript& transcript)
    : lines_(std::move(lines)), program_(std::move(program)), transcript_(transcript) {}

void ScenarioPlayer::start() {
    scheduleStep();
}

void ScenarioPlayer::scheduleStep() {
    // A fresh timer each time: a timer does not fire again while its own handler runs, and the
    // handler of a line that opened a dialog runs until the dialog closes.
    QTimer::singleShot(0, this, &ScenarioPlayer::step);
}

void ScenarioPlayer::step() {
    if (finished_) {
        return;
    }
    if (!waitingFor_.isEmpty()) {
        // Another program acts on the windows meanwhile (an accessibility test): look seldom.
        if (!QFile::exists(waitingFor_)) {
            QTimer::singleShot(kWaitPollMs, this, &ScenarioPlayer::step);
            return;
        }
        QFile::remove(waitingFor_);
        transcript_.note("wait over: " + waitingFor_.toStdString());
        waitingFor_.clear();
    }
    scheduleStep();
    if (program_.window.pendingCommands() > 0) {
        return;
    }
    const int depth = program_.host.modalDepth();
    if (busyDepths_.count(depth) != 0) {
        return;
    }
    // A dialog that has just ended is still counted until its loop returns.
    if (QtDialogView* view = program_.host.activeView();
        depth > 0 && !view->window()->isVisible()) {
        return;
    }
    if (next_ >= lines_.size()) {
        transcript_.note("end of scenario");
        finish(0);
        return;
    }
    lineNumber_ = static_cast<int>(++next_);
    program_.messages.currentLine = lineNumber_;
    busyDepths_.insert(depth);
    play(lines_[next_ - 1]);
    busyDepths_.erase(depth);
}

void ScenarioPlayer::finish(int status) {
    finished_ = true;
    QCoreApplication::exit(status);
}

int ScenarioPlayer::exitStatus(int programStatus) {
    if (!finished_) {
        // The program ended on its own (Exit): lines left over never ran.
        for (std::size_t i = next_; i < lines_.size(); ++i) {
            const std::string& line = lines_[i];
            if (!line.empty() && line[0] != '#') {
                transcript_.failure(static_cast<int>(i + 1), "not played: the program had ended");
            }
        }
        transcript_.note("program ended with status " + std::to_string(programStatus));
    }
    if (program_.messages.unusedAnswers() != 0) {
        transcript_.failure(lineNumber_, "queued message box answers left unused");
    }
    if (program_.files.unusedChoices() != 0) {
        transcript_.failure(lineNumber_, "queued file choices left unused");
    }
    if (cancelsQueued_ != 0 || !abortPictures_.empty()) {
        transcript_.failure(lineNumber_, "no abort dialog opened for the queued lines");
    }
    return transcript_.failures() != 0 ? 1 : programStatus;
}

void ScenarioPlayer::abortDialogOpened(QtDialogView& view) {
    for (const std::string& file : abortPictures_) {
        picture(*view.window(), file);
    }
    abortPictures_.clear();
    if (cancelsQueued_ == 0) {
        return;
    }
    --cancelsQueued_;
    // Pressed once the job passes the waiting events on, as a user's click would arrive.
    QPointer<QPushButton> cancel = qobject_cast<QPushButton*>(view.control(kCancelButton));
    QMetaObject::invokeMethod(
        this,
        [this, cancel] {
            if (cancel == nullptr || !cancel->isVisible()) {
                fail("the abort dialog closed before its Cancel was pressed");
                return;
            }
            transcript_.note("cancel print");
            cancel->click();
        },
        Qt::QueuedConnection);
}

void ScenarioPlayer::fail(const std::string& what) {
    transcript_.failure(lineNumber_, what);
}

void ScenarioPlayer::play(const std::string& line) {
    if (line.empty() || line[0] == '#') {
        return;
    }
    const auto [action, rest] = splitWord(line);
    if (action == "expect") {
        const auto [what, detail] = splitWord(rest);
        expect(what, detail);
    } else {
        act(action, rest);
    }
}

QWidget* ScenarioPlayer::controlOf(const std::string& text, bool mustBeUsable) {
    // "WINDOW.NAME": a named control of a chart window, such as profile.k.
    if (const auto dot = text.find('.'); dot != std::string::npos && !number(text)) {
        QWidget* window = program_.chartWindow(text.substr(0, dot));
        auto* widget =
            window == nullptr
                ? nullptr
                : window->findChild<QWidget*>(QString::fromStdString(text.substr(dot + 1)));
        if (widget == nullptr) {
            fail("no control " + text);
        }
        return widget;
    }
    const std::optional<int> id = number(text);
    if (!id) {
        fail("not a control number: " + text);
        return nullptr;
    }
    QtDialogView* view = program_.host.activeView();
    if (view == nullptr) {
        fail("no dialog or page is open");
        return nullptr;
    }
    QWidget* widget = view->control(*id);
    if (widget == nullptr) {
        fail("no control " + text + " on " + view->window()->windowTitle().toStdString());
        return nullptr;
    }
    if (mustBeUsable && !widget->isEnabledTo(view->form())) {
        fail("control " + text + " is disabled");
        return nullptr;
    }
    if (mustBeUsable && !widget->isVisibleTo(view->form())) {
        fail("control " + text + " is hidden");
        return nullptr;
    }
    return widget;
}

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
    const auto [first, remainder] = splitWord(rest);
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
    } else if (action == "click" || action == "check") {
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
            return;
        }
        if (!row || *row < 0 || *row >= list->count()) {
            fail("list " + first + " has no row " + remainder);
            return;
        }
        list->setCurrentRow(*row);
    } else if (action == "answer") {
        if (const auto answer = parseAnswer(rest)) {
            program_.messages.queueAnswer(*answer);
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
        if (const std::string f = actOnMethods(*program_.results.methodsTable(), rest); !f.empty()) {
            fail(f);
        }
    } else if (action == "sweep") {
        sweep(rest);
    } else if (action == "resize") {
        const std::optional<int> width = number(first);
        const std::optional<int> height = number(remainder);
        if (!width || !height) {
            fail("not a size: " + rest);
            return;
        }
        program_.window.resize(*width, *height);
    } else if (action == "wait" && !rest.empty()) {
        waitingFor_ = QString::fromStdString(rest);
    } else if (action == "quit") {
        transcript_.note("quit");
        finish(0);
    } else if (const auto problem = fileAction(action, rest)) {
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

void ScenarioPlayer::expect(const std::string& what, const std::string& rest) {
    const auto [first, remainder] = splitWord(rest);
    const auto check = [this](bool met, const std::string& expected, const std::string& found) {
        if (!met) {
            fail("expected " + expected + ", found " + found);
        }
    };
    if (what == "title") {
        // The title as the window shows it, without its modified mark.
        const std::string title =
            program_.window.windowTitle().remove(QStringLiteral("[*]")).toStdString();
        check(title == rest, "title " + quoted(rest), quoted(title));
    } else if (what == "page") {
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
            return;
        }
        const std::string state = mark ? (item->isChecked() ? "checked" : "unchecked")
                                       : (item->isEnabled() ? "enabled" : "grayed");
        check(state == remainder, "menu " + first + " " + remainder, state);
    } else if (what == "text") {
        if (QWidget* widget = controlOf(first, false)) {
            const std::string text = widgetText(widget).toStdString();
            check(text == remainder, "text " + quoted(remainder) + " in " + first, quoted(text));
        }
    } else if (what == "checked" || what == "enabled" || what == "visible") {
        QWidget* widget = controlOf(first, false);
        const std::optional<bool> wanted =
            remainder.empty() ? std::optional<bool>(true) : yesNo(remainder);
        if (widget == nullptr) {
            return;
        }
        if (!wanted) {
            fail("expected yes or no, not " + remainder);
            return;
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
    } else if (const auto unmet = checkResults(program_.results, what, rest)) {
        if (!unmet->empty()) {
            fail(*unmet);
        }
    } else if (what == "results") {
        expectResults(rest);
    } else if (what == "status") {
        const std::string status = program_.window.statusText().toStdString();
        check(status.find(rest) != std::string::npos, "status containing " + quoted(rest),
              quoted(status));
    } else if (what == "modified") {
        const std::string modified = program_.window.isWindowModified() ? "yes" : "no";
        check(modified == rest, "modified " + rest, modified);
    } else if (what == "verdict") {
        expectVerdict(rest);
    } else if (what == "method") {
        if (const std::string f = checkMethods(*program_.results.methodsTable(), rest); !f.empty()) {
            fail(f);
        }
    } else if (what == "row") {
        expectRow(rest);
    } else if (what == "file") {
        const QFileInfo file(QDir::current(), QString::fromStdString(rest));
        check(file.isFile() && file.size() > 0, "a file " + quoted(rest) + " with something in it",
              file.exists() ? (file.isFile() ? "it empty" : "a folder") : "none");
    } else if (what == "no" && first == "file") {
        const QFileInfo file(QDir::current(), QString::fromStdString(remainder));
        check(!file.exists(), "no file " + quoted(remainder), "one");
    } else if (what == "same") {
        if (const std::string difference = differenceBetween(first, remainder);
            !difference.empty()) {
            fail("expected the same bytes: " + difference);
        }
    } else if (what == "guide") {
        const QString page = program_.window.helpWindow().pageShown();
        const std::string shown = page.isEmpty() ? std::string("none") : page.toStdString();
        check(shown == rest, "the guide's page " + rest, shown);
    } else if (what == "focus") {
        if (QWidget* widget = controlOf(first, false)) {
            QWidget* focused = widget->window()->focusWidget();
            check(focused == widget, "focus on " + first,
                  focused == nullptr ? "none" : focused->objectName().toStdString());
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
        if (auto* label = results->findChild<QLabel*>(QStringLiteral("control_%1").arg(block))) {
            lines << label->text().split(QLatin1Char('\n'));
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
    auto* widget = qobject_cast<QListWidget*>(controlOf(list, false));
    const std::optional<int> index = number(row);
    if (widget == nullptr || !index) {
        fail("cannot check: expect row " + rest);
        return;
    }
    const std::string found = *index >= 0 && *index < widget->count()
                                  ? widget->item(*index)->text().toStdString()
                                  : std::string("no such row");
    if (found.find(text) == std::string::npos) {
        fail("expected row " + row + " of " + list + " to contain " + quoted(text) + ", found " +
             quoted(found));
    }
}

void ScenarioPlayer::screenshot(const std::string& rest) {
    // "screenshot results FILE" pictures the results window, "screenshot guide FILE" the help
    // window, "screenshot chart NAME FILE" a chart window, "screenshot profile FILE" the profile.
    const auto [first, remainder] = splitWord(rest);
    if (first == "chart" || first == "profile") {
        // "screenshot profile FILE" pictures the Profile window.
        const auto [name, chartFile] =
            first == "profile" ? std::pair{first, remainder} : splitWord(remainder);
        QWidget* chart = chartFile.empty() ? nullptr : program_.chartWindow(name);
        if (chart == nullptr) {
            fail("no chart window " + name + " is open");
            return;
        }
        picture(*chart, chartFile);
        return;
    }
    QtDialogView* view = program_.host.activeView();
    QWidget* shown = view != nullptr && view->isModal() ? view->window()
                                                        : static_cast<QWidget*>(&program_.window);
    std::string file = rest;
    if ((first == "results" || first == "guide") && !remainder.empty()) {
        shown =
            first == "results" ? program_.results.window() : program_.window.helpWindow().window();
        file = remainder;
        if (shown == nullptr) {
            fail("the " + first + " window is closed");
            return;
        }
    }
    picture(*shown, file);
}

void ScenarioPlayer::sweep(const std::string& rest) {
    // "sweep ROW FROM TO STEPS": the Sweep window's input row, range and steps, then OK, as the
    // user would choose and type them.
    QWidget* window = program_.chartWindow("sweep");
    std::istringstream words(rest);
    int row = -1;
    std::string from;
    std::string to;
    std::string steps;
    words >> row >> from >> to >> steps;
    auto* input =
        window != nullptr ? window->findChild<QComboBox*>(QStringLiteral("sweep_input")) : nullptr;
    if (input == nullptr) {
        fail("the Sweep window is not open");
        return;
    }
    if (steps.empty() || row < 0 || row >= input->count()) {
        fail("not a sweep: " + rest);
        return;
    }
    input->setCurrentIndex(row);
    Q_EMIT input->activated(row);
    for (const auto& [name, text] :
         {std::pair{"sweep_from", &from}, {"sweep_to", &to}, {"sweep_steps", &steps}}) {
        window->findChild<QLineEdit*>(QString::fromLatin1(name))
            ->setText(QString::fromStdString(*text));
    }
    window->findChild<QAbstractButton*>(QStringLiteral("sweep_ok"))->click();
}

void ScenarioPlayer::picture(QWidget& shown, const std::string& file) {
    // Texts set since the last turn of the event loop are laid out before the picture. A longer
    // text asks each enclosing layout in turn, one posted request per level of nesting.
    constexpr int kLayoutNesting = 8;
    for (int level = 0; level < kLayoutNesting; ++level) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    const QFileInfo target(QString::fromStdString(file));
    // A picture goes into a folder that exists; none is made for it.
    if (!target.absoluteDir().exists()) {
        fail("cannot write " + file + ": no folder " + target.absolutePath().toStdString());
        return;
    }
    // Offscreen windows have no frame: a caption band above the window shows its title.
    const QPixmap window = shown.grab();
    const int band = QFontMetrics(shown.font()).height() + 8;
    QPixmap picture(window.width(), window.height() + band);
    picture.fill(QColor(0xd8, 0xdc, 0xe4));
    QPainter painter(&picture);
    painter.setFont(shown.font());
    QString title = shown.windowTitle();
    title.replace(QStringLiteral("[*]"),
                  shown.isWindowModified() ? QStringLiteral("*") : QString());
    painter.drawText(QRect(8, 0, window.width() - 16, band), Qt::AlignVCenter | Qt::AlignLeft,
                     title);
    painter.drawPixmap(0, band, window);
    painter.end();
    if (!picture.save(target.absoluteFilePath(), "PNG")) {
        fail("cannot write " + file);
    }
}

} // namespace korvel
