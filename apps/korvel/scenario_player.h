#pragma once
// Plays a scenario on the running program: one line at a time, each once the program has handled
// the one before. A line that opens a modal dialog keeps running while the dialog's own loop
// plays the lines that follow, so they act on the dialog.

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "platform/file_read.h"

class QWidget;

namespace korvel {

class QtDialogHost;
class QtDialogView;
class QtMainWindow;
class QtResultsWindow;
class ScenarioFileChooser;
class ScenarioMessages;
class Transcript;

struct PlayedProgram {
    QtMainWindow& window;
    QtDialogHost& host;
    QtResultsWindow& results;
    ScenarioMessages& messages;
    ScenarioFileChooser& files;
    std::function<int()> currentPageId;
    // The open chart window of a name ("budget", "outage", "sweep", "route"), or nullptr.
    std::function<QWidget*(const std::string&)> chartWindow;
};

class ScenarioPlayer final : public QObject {
    Q_OBJECT

  public:
    ScenarioPlayer(std::vector<std::string> lines, PlayedProgram program, Transcript& transcript);

    // Plays from the first line once the program's event loop runs.
    void start();
    // The program's exit status, or 1 when a line failed.
    [[nodiscard]] int exitStatus(int programStatus);
    // A print job's abort dialog has opened: the queued cancel and screenshot act on it.
    void abortDialogOpened(QtDialogView& view);

  private:
    void scheduleStep();
    void step();
    void finish(int status);
    // Carries out one line; a failure goes to the transcript.
    void play(const std::string& line);
    void act(const std::string& action, const std::string& rest);
    bool actOnMenu(const std::string& action, const std::string& rest);
    bool actOnControl(const std::string& action, const std::string& rest);
    bool actOnProgram(const std::string& action, const std::string& rest);
    void expect(const std::string& what, const std::string& rest);
    bool expectOfWindow(const std::string& what, const std::string& rest);
    bool expectOfControl(const std::string& what, const std::string& rest);
    bool expectOfFiles(const std::string& what, const std::string& rest);
    void check(bool met, const std::string& expected, const std::string& found);
    void fail(const std::string& what);
    // The control N of the active dialog or page; nullptr (after a failure) when there is none.
    QWidget* controlOf(const std::string& number, bool mustBeUsable);
    // The same for a control the user can act on, which must be of the given kind.
    template <typename Kind> Kind* controlOfKind(const std::string& number, const char* kindName);
    void screenshot(const std::string& file);
    void sweep(const std::string& rest);
    // Pictures the window with a caption band showing its title, as a window frame would.
    void picture(QWidget& shown, const std::string& file);
    // expect results closed|open, or expect results N TEXT: line N (from 1) of the two blocks.
    void expectResults(const std::string& rest);
    // expect verdict met|missed|none: the verdict under the results (none when closed).
    void expectVerdict(const std::string& rest);
    // expect row N R TEXT: row R (from 0) of list N contains TEXT.
    void expectRow(const std::string& rest);

    std::vector<std::string> lines_;
    PlayedProgram program_;
    Transcript& transcript_;
    std::size_t next_ = 0;
    int lineNumber_ = 0;
    std::set<int> busyDepths_;               // modal depths at which a line is running
    int cancelsQueued_ = 0;                  // "cancel print" lines waiting for an abort dialog
    std::vector<std::string> abortPictures_; // "screenshot abort FILE" lines waiting for one
    bool finished_ = false;
    QString waitingFor_; // "wait FILE": the next line runs once FILE exists
};

// A whole scenario file (a regular file of at most 16 MiB) as lines; nothing when it cannot be
// read, `status` saying why.
std::optional<std::vector<std::string>> readScenario(const std::string& path,
                                                     FileReadStatus& status);

} // namespace korvel
