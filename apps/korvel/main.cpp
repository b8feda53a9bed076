// korvel: the desktop program. Parses the command line, makes the one Session over the Qt ports
// and hands the main window's events to the shell.

#include <fstream>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QFileSystemWatcher>

#include "command_line.h"
#include "library/library_location.h"
#include "platform/qt/qt_busy_work.h"
#include "platform/qt/qt_chart_windows.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/qt_methods_table.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/qt_profile_view.h"
#include "platform/qt/qt_results_window.h"
#include "scenario_player.h"
#include "scenario_ports.h"
#include "shell_events.h"
#include "terrain_window.h"
#include "transcript.h"
#include "ui/form_registry.h"
#include "ui/methods_table.h"
#include "ui/session.h"
#include "ui/shell.h"
#include "user_profile.h"
#include "view_toggles.h"

namespace {

using namespace korvel;

// The transcript names a page or dialog as its registration does.
std::string formName(DialogId form) {
    return std::string(registeredForm(form).transcriptName);
}

std::optional<std::filesystem::path> explicitProfile(const DesktopOptions& options) {
    if (options.profileFile.empty()) {
        return std::nullopt;
    }
    return options.profileFile;
}

// Reads the scenario and opens its transcript file; the exit status when either fails.
std::optional<int> openScenario(const DesktopOptions& options,
                                std::optional<std::vector<std::string>>& scenario,
                                std::ofstream& transcriptFile) {
    FileReadStatus status{};
    scenario = readScenario(options.scenario, status);
    if (!scenario) {
        std::cerr << "korvel: cannot read the scenario " << options.scenario << " ("
                  << fileReadProblem(status) << ")\n";
        return 2;
    }
    if (!options.transcript.empty()) {
        transcriptFile.open(options.transcript);
        if (!transcriptFile) {
            std::cerr << "korvel: cannot write the transcript " << options.transcript << '\n';
            return 2;
        }
    }
    return std::nullopt;
}

// Editing the profile file is how the user changes the settings the program reads.
void watchProfile(QFileSystemWatcher& profileWatch, const UserProfile& profile, ShellEvents& events,
                  QObject& window) {
    const auto file = profile.file();
    if (!file || !std::filesystem::exists(*file)) {
        return;
    }
    profileWatch.addPath(QString::fromStdString(file->string()));
    QObject::connect(&profileWatch, &QFileSystemWatcher::fileChanged, &window,
                     [&events, &profileWatch](const QString& path) {
                         events.onSettingsChanged();
                         // An editor that replaces the file ends the watch on the old one.
                         if (!profileWatch.files().contains(path)) {
                             profileWatch.addPath(path);
                         }
                     });
}

// The windows beside the pages: a played scenario notes them in its transcript as they open.
struct NotedWindows {
    QtDialogHost& host;
    QtChartWindows& charts;
    QtSweepView& sweepView;
    QtProfileView& profileView;
};

// The results, chart and busy-note windows of the session, charts exported through its ports.
void attachWindows(Session& session, QtResultsWindow& results, const NotedWindows& windows,
                   QtBusyWork& busyWork) {
    session.resultsWindow = &results;
    session.busyWork = &busyWork;
    session.charts = &windows.charts;
    session.sweepView = &windows.sweepView;
    session.profileView = &windows.profileView;
    session.methodsView = results.methodsTable();
    const ChartExportPorts exportPorts{&session.ports.files, &session.ports.messages};
    windows.charts.setExportPorts(exportPorts);
    windows.sweepView.setExportPorts(exportPorts);
    windows.profileView.setExportPorts(exportPorts);
}

// The window of that name ("sweep", "profile", "terrain", "budget", ...).
std::function<QWidget*(const std::string&)> chartWindowOf(const NotedWindows& windows,
                                                          TerrainWindow& terrain) {
    return [&windows, &terrain](const std::string& name) {
        return name == "sweep"     ? windows.sweepView.window()
               : name == "profile" ? windows.profileView.window()
               : name == "terrain" ? terrain.window()
                                   : windows.charts.window(name);
    };
}

void noteOpenings(const NotedWindows& windows, Transcript& transcript,
                  std::unique_ptr<ScenarioPlayer>& player) {
    QtDialogHost& host = windows.host;
    host.pageCreated = [&transcript](DialogId form) {
        transcript.note(std::string("page ") + formName(form));
    };
    host.modalOpened = [&transcript, &host](DialogId form) {
        const QString title = host.activeView()->window()->windowTitle();
        transcript.note(std::string("dialog ") + formName(form) + " " +
                        quoted(title.toStdString()));
    };
    host.modelessOpened = [&transcript, &player](DialogId form, QtDialogView& view) {
        transcript.note(std::string("dialog ") + formName(form) + " " +
                        quoted(view.window()->windowTitle().toStdString()));
        if (form == DialogId::AbortPrint) {
            player->abortDialogOpened(view);
        }
    };
    const auto chartOpened = [&transcript](const std::string& name, const QString& title) {
        transcript.note("chart " + name + " " + quoted(title.toStdString()));
    };
    windows.charts.opened = chartOpened;
    windows.sweepView.opened = chartOpened;
    windows.profileView.opened = chartOpened;
}

// Opens the hop asked for, starts the player and runs until the window closes.
int runStarted(QApplication& app, QtMainWindow& window, Shell& shell, ScenarioPlayer* player,
               const DesktopOptions& options, const Transcript& transcript) {
    if (!options.hopFile.empty()) {
        shell.openFile(options.hopFile);
    }
    if (player) {
        player->start();
    }
    int status = app.exec();
    window.saveLayout();
    if (player) {
        status = player->exitStatus(status);
        if (transcript.lost()) {
            std::cerr << "korvel: the transcript could not be written"
                      << (options.transcript.empty() ? std::string() : " to " + options.transcript)
                      << '\n';
            status = 2;
        }
    }
    return status;
}

// The Qt side of each port, made for the main window and living as long as it.
struct DesktopWindows {
    explicit DesktopWindows(QtMainWindow& window)
        : host(window, formFile), boxes(&window), dialogs(&window), results(&window),
          charts(&window), sweepView(&window), profileView(&window), busyWork(&window) {}
    QtDialogHost host;
    QtMessages boxes;
    QtFileChooser dialogs;
    QtResultsWindow results;
    QtChartWindows charts;
    QtSweepView sweepView;
    QtProfileView profileView;
    QtPrinters printers;
    QtBusyWork busyWork;
};

int run(QApplication& app, const DesktopOptions& options) {
    UserProfile profile(explicitProfile(options));
    const bool playing = !options.scenario.empty();
    std::optional<std::vector<std::string>> scenario;
    std::ofstream transcriptFile;
    if (const auto failed =
            playing ? openScenario(options, scenario, transcriptFile) : std::nullopt) {
        return *failed;
    }
    Transcript transcript(transcriptFile.is_open() ? transcriptFile : std::cout);

    QtMainWindow window;
    DesktopWindows windows(window);
    auto& [host, boxes, dialogs, results, charts, sweepView, profileView, printers, busyWork] =
        windows;
    ScenarioMessages scriptedBoxes(transcript);
    ScenarioFileChooser scriptedDialogs(transcript, scriptedBoxes);
    scriptedBoxes.handOver(boxes);
    scriptedDialogs.handOver(dialogs);
    Messages& messages = playing ? static_cast<Messages&>(scriptedBoxes) : boxes;
    FileChooser& files = playing ? static_cast<FileChooser&>(scriptedDialogs) : dialogs;

    Session session(SessionPorts{messages, files, host, window, profile, printers},
                    findLibraryFile(options.libraryFile).string());
    const NotedWindows beside{host, charts, sweepView, profileView};
    attachWindows(session, results, beside, busyWork);
    MethodsTablePresenter methodsEvents(session.methodsTable());
    results.methodsTable()->setEvents(&methodsEvents);
    Shell shell(session);
    ShellEvents events(shell, profile);
    window.setEvents(&events);
    TerrainWindow terrain(&window, session.ports.files, session.ports.messages, profile,
                          [&events] { events.onSettingsChanged(); });
    events.openTerrain = [&terrain] { terrain.open(); };
    QFileSystemWatcher profileWatch;
    watchProfile(profileWatch, profile, events, window);

    const auto chartWindow = chartWindowOf(beside, terrain);
    addViewToggles(window, results, chartWindow);

    std::unique_ptr<ScenarioPlayer> player;
    if (playing) {
        noteOpenings(beside, transcript, player);
        player = std::make_unique<ScenarioPlayer>(
            std::move(*scenario),
            PlayedProgram{window, host, results, scriptedBoxes, scriptedDialogs,
                          [&shell] { return shell.currentPageId(); }, chartWindow},
            transcript);
    }
    window.restoreLayout();
    window.show();
    if (!shell.start()) {
        return 1;
    }
    const int status = runStarted(app, window, shell, player.get(), options, transcript);
    // The page's view goes before its presenter, so no late signal reaches a presenter gone.
    host.destroyPage();
    window.setEvents(nullptr);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (asksForHelpOrVersion(argc, argv)) {
        DesktopOptions options;
        return parseCommandLine(argc, argv, options, true).value_or(0);
    }
    QApplication app(argc, argv); // takes Qt's own options such as -platform
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
    DesktopOptions options;
    if (const std::optional<int> status = parseCommandLine(argc, argv, options)) {
        return *status;
    }
    return run(app, options);
}
