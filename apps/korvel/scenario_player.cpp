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
#include <QTableWidget>
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
#include "scenario_sweep_actions.h"
#include "scenario_window_actions.h"
#include "scenario_window_checks.h"
#include "scenario_words.h"
#include "transcript.h"

namespace korvel {

namespace {

constexpr int kWaitPollMs = 50;

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
    // Scroll bars show or hide on a queued call: the picture shows them as the planner would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
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
