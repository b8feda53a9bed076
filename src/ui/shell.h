#pragma once
// The application shell: start-up, the menu commands, switching pages, the save prompt, New and
// closing. The desktop program creates one Shell over the one Session and forwards the main
// window's events to it; everything the user sees goes through the session's ports.

#include <memory>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/main_window_view.h"
#include "ui/map_export_command.h"
#include "ui/page_edit_watch.h"

namespace korvel {

class Session;
class Page;

class Shell {
  public:
    explicit Shell(Session& session);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // After the main window exists: date settings, the library, the resets, the title, the
    // banner and the start panel. False when the program must end (the library's own message
    // has been shown).
    bool start();
    // A hop file named on the command line: opened as MODIFY OLD HOP does. True when it opened.
    bool openHopFile(const std::string& path);
    // A hop or route file (UTF-8 path) dropped on the window or picked from Open Recent: after
    // the save prompt, opened as MODIFY OLD HOP or MODIFY OLD ROUTE opens it.
    void openFile(const std::string& path);

    // Menu items, keys and posted commands.
    void onCommand(Command command);
    // The user closes the main window. True: destroy it (the caller then quits with 0). False
    // while a dialog is open over the window.
    bool onCloseRequest();
    // The session manager asks whether the session may end.
    bool onShutdownQuery();
    // The user's settings changed: printer check and date settings again.
    void onSettingsChanged();

    [[nodiscard]] int currentPageId() const;

  private:
    // Who asks the save question: the close box, Exit and the session manager ask system-modal,
    // New application-modal. The message port shows every box application-modal.
    enum class PromptModality { Application, System };

    void checkPrinterAndDates();
    void switchPage(Command command);
    void openPage(std::unique_ptr<Page> page);
    void destroyPage();
    // The current page checks and stores its fields (as Save asks, or to be left); false when it
    // refused.
    bool pageAccepts(bool saving = false);
    // Save: to the hop's own file without a dialog when it has one, else as Save As.
    void save();
    // Save As: always the Save dialog, proposing the current name. Cancelled, the hop keeps its
    // file name.
    void saveAs();
    // The hop has a file it was opened from or saved to, and that file is still there.
    [[nodiscard]] bool hasCurrentFile() const;
    // The page's check, then the hop into its own file; true when written.
    bool saveToCurrentFile();
    bool savePrompt(PromptModality modality);
    // Something would be lost: the route screen's route, or the hop differs from its file, or
    // the page holds typed values it has not stored (it stores them here, as when it is left).
    bool hasUnsavedChanges();
    // The route screen's or the hop box's values into the route, then the route file written;
    // true when written.
    bool saveRoute();
    // Before another hop replaces this one: the save prompt, or the OTHER radio's warning.
    bool mayReplaceHop();
    // File > Open: a hop or a route.
    void openChosen();
    // Open Recent, entry `index` from the most recent; a missing file is said and dropped.
    void openRecent(std::size_t index);
    void openWithoutPrompt(const std::string& path);
    void rememberFile(const std::string& path);
    // The Hops list over the disabled page; a chosen hop opens on the Basics page.
    void viewHops();
    // The page's values stored as Save stores them, then the print options over the disabled
    // page, then the print job when the printer was chosen.
    void print();
    // Sweep, the budget and the outage chart belong to the Form page: passed to it when it shows.
    void formChart(Command command);
    // The route's bars, summed as the Hops list sums them.
    void routeChart();
    // The Profile window: from the Basics page through the Form page, whose fields it sets.
    void profile();
    // The Sites dialog over the hop as the page stores it; the page shows what the hop took.
    void sites();
    // File > Export: the current hop with the page's edits, on a map.
    void exportMap(MapFormat format);
    // File menu commands: New, Open, Save, Print, View hops, Exit, the recent files.
    void fileCommand(Command command);
    void newHop();
    void performNew();

    Session& session_;
    PageEditWatch editWatch_;
    std::unique_ptr<Page> page_;
    DialogView* pageView_ = nullptr;
};

} // namespace korvel
