#pragma once
// The main window: the menu with its keys, the banner, the area the pages live in, and the
// window's own events (close, session end, settings) passed on to whoever listens.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QMainWindow>

#include "platform/main_window_view.h"
#include "platform/qt/qt_focus_return.h"
#include "platform/qt/qt_help_window.h"

class QAction;
class QLabel;

namespace korvel {

class QtPageArea;

// What the main window reports; the program's shell answers.
class MainWindowEvents {
  public:
    virtual ~MainWindowEvents() = default;
    virtual void onCommand(Command command) = 0;
    // True: the window may close and the program ends.
    virtual bool onCloseRequest() = 0;
    // True: the desktop session may end.
    virtual bool onShutdownQuery() = 0;
    virtual void onSettingsChanged() = 0;
    // A file dropped on the window (UTF-8 path).
    virtual void onOpenFile(const std::string& path) = 0;
};

class QtMainWindow final : public QMainWindow, public MainWindowView {
    Q_OBJECT

  public:
    QtMainWindow();

    void setEvents(MainWindowEvents* events) { events_ = events; }

    void setTitle(std::string_view utf8Title) override;
    void setMenuEnabled(Command item, bool enabled) override;
    void setMenuChecked(Command item, bool checked) override;
    void drawBanner() override;
    void eraseBanner() override;
    void postCommand(Command command) override;
    // The window, its menu and every window it owns; the abort dialog of a print job is not one.
    void setEnabled(bool enabled) override;
    void showGuide() override;
    void quit(int exitCode) override;
    void setStatus(std::string_view utf8Text) override;
    void setModified(bool modified) override;
    [[nodiscard]] std::vector<std::string> recentFiles() const override;
    void setRecentFiles(const std::vector<std::string>& paths) override;

    // View: a window beside the main one, shown or hidden by a tick in the menu.
    struct ViewToggle {
        QString text;
        Command command;                 // how scenarios name the item
        std::function<bool()> shown;     // the tick
        std::function<bool()> available; // hidden, it can be shown
        std::function<void(bool)> show;  // true shows, false hides
    };
    void addViewToggle(ViewToggle toggle);
    // The ticks and grays of the View menu as the windows now stand.
    void refreshViewToggles();
    // For View items that are not toggles.
    [[nodiscard]] QMenu* viewMenu() const { return viewMenu_; }

    // The window's size, position and docks as the user last left them (the user's settings);
    // the results dock stays closed until a calculation opens it.
    void restoreLayout();
    void saveLayout() const;
    // What the status bar shows, whole: a passing message, else the hop, library and frequency.
    [[nodiscard]] QString statusText() const;

    // Shows the page frame inside the window: the start panel centred a little below the middle,
    // the other pages at the top left. The window grows, as far as the screen allows, when a
    // page needs more room; a smaller window scrolls the page.
    void showPage(QWidget* frame, bool centred);
    [[nodiscard]] QWidget* pageArea() const;
    // The menu item of the command; nullptr for a command without one.
    [[nodiscard]] QAction* menuAction(Command command) const;
    // Commands posted and not yet delivered, the end of the program included.
    [[nodiscard]] int pendingCommands() const { return pendingCommands_; }
    [[nodiscard]] const QtHelpWindow& helpWindow() const { return help_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A hop or route file dropped on the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenu();
    void buildFileMenu();
    void growToShow(QSize needed);
    void nameStatus();
    QAction* addCommand(QMenu* menu, const QString& text, Command command,
                        const QKeySequence& key = {});
    // F6: the main window, the page and any other window of the program in turn.
    void cycleActivation();

    MainWindowEvents* events_ = nullptr;
    QtPageArea* pageArea_ = nullptr;
    QLabel* status_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::vector<ViewToggle> viewToggles_;
    std::map<Command, QAction*> actions_;
    QtHelpWindow help_;
    int pendingCommands_ = 0;
    bool quitting_ = false;
    FocusReturn focusReturn_;
};

} // namespace korvel
