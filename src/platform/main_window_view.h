#pragma once
// The MainWindowView port: the main window around the pages: title, menu, banner, lifetime.

#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// Menu commands and the commands pages post to the shell.
enum class Command {
    ShortGuide = 40001,
    About = 701,
    RadioPage = 103,
    BasicsPage = 104,
    FormPage = 105,
    New = 106,
    Save = 107,
    Print = 108,
    ViewHops = 109,
    HopBox = 110,
    Exit = 111,
    Open = 112,
    SaveAs = 113,
    OpenRecentFirst = 120, // Open Recent: 120 the most recent file ... 127
    OpenRecentLast = 127,
    RouteScreen = 1002,
    Sweep = 1248,        // the Form page's Sweep... button
    BudgetChart = 40010, // the Charts menu's items for the Form page and the route
    OutageChart = 40011,
    RouteChart = 40012,
    Profile = 40013,   // the Charts menu's Profile...; 1249 on the Form page, 1141 on Basics
    ExportKml = 40020, // File > Export > KML... and GeoJSON... of the current hop
    ExportGeoJson = 40021,
    ViewResults = 40030, // View: the results dock and the chart windows, shown or hidden
    ViewBudget = 40031,
    ViewOutage = 40032,
    ViewSweep = 40033,
    ViewProfile = 40034,
    ViewRoute = 40035,
    ClimateMaps = 40040, // Tools > Climate maps...
    Terrain = 40041,     // Tools > Terrain...: the elevation models of the settings
    Sites = 40042,       // Tools > Sites...; the Basics page's and the Profile window's Sites...
    LeavePage = 1999,
};

class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    // UTF-8, as the file names it carries are the platform's own.
    virtual void setTitle(std::string_view utf8Title) = 0;
    virtual void setMenuEnabled(Command item, bool enabled) = 0;
    virtual void setMenuChecked(Command item, bool checked) = 0;
    // Draws the banner and the notice onto the window; erased by the next page.
    virtual void drawBanner() = 0;
    virtual void eraseBanner() = 0;
    // Delivers the command to the shell once the current one has been handled, as a posted
    // message would.
    virtual void postCommand(Command command) = 0;
    // The main window (menu included) takes input, or not, as while a print job runs.
    virtual void setEnabled(bool enabled) = 0;
    // Opens the help window at the contents of the program's guide, or brings it to the front.
    virtual void showGuide() = 0;
    // Ends the program with the exit code once the current command has been handled.
    virtual void quit(int exitCode) = 0;
    // The status bar's text, in UTF-8: the hop or route file, the library, the frequency, unsaved
    // changes.
    virtual void setStatus(std::string_view utf8Text) = 0;
    // Whether the hop holds changes not yet saved.
    virtual void setModified(bool modified) = 0;
    // The files opened or saved last (paths as the file system spells them, most recent first),
    // kept between runs.
    [[nodiscard]] virtual std::vector<std::string> recentFiles() const = 0;
    virtual void setRecentFiles(const std::vector<std::string>& paths) = 0;
};

} // namespace korvel
