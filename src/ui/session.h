#pragma once
// The one Session of a run: the hop, the route, the library, the field status and the
// application state, with the ports through which the program reaches the user. main() makes it.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "fields/numeric_entry.h"
#include "geo/hop_sites.h"
#include "library/equipment_library.h"
#include "report/date_stamp.h"
#include "route/route_record.h"
#include "ui/application_state.h"
#include "ui/hop_sites_files.h"
#include "ui/modal_runs.h"
#include "ui/results_basis.h"

namespace korvel {

class BusyWork;
class ChartWindows;
class ClimateMaps;
class DialogHost;
class FileChooser;
class MainWindowView;
class Messages;
class MethodsView;
class Printers;
class Profile;
class ProfileView;
class ResultsWindow;
class SweepView;
struct HopChartsParts;
struct MethodSources;
struct MethodsTableParts;
struct ResultsDisplay;
struct TitleBlockSources;

struct SessionPorts {
    Messages& messages;
    FileChooser& files;
    DialogHost& dialogs;
    MainWindowView& window;
    const Profile& profile;
    Printers& printers;
};

class Session {
  public:
    Session(SessionPorts ports, std::string libraryPath);

    // Whether a dialog is open over the main window; the shell holds its commands back meanwhile.
    ModalRuns modalRuns;

  private:
    // Every dialog of the session runs through these, so that modalRuns knows when one is open.
    CountedDialogHost countedDialogs_;
    CountedMessages countedMessages_;
    CountedFileChooser countedFiles_;

  public:
    SessionPorts ports;
    std::string libraryPath; // the library file read at start and at every New

    HopState hop;
    HopSites sites; // the hop's sites and profile, kept in the sites file beside the hop file
    SitesOnDisk sitesOnDisk; // that file as last read or written
    RouteState route;
    EquipmentLibrary library;
    NumericEntryState fields;
    DateSettings dateSettings;
    ApplicationState app;
    ResultsBasis resultsBasis; // what the hop's results were calculated from
    // The Form page's results window; the program gives its own (none: results are not shown).
    ResultsWindow* resultsWindow = nullptr;
    // The methods table in the results dock (none: not shown), and the climate maps it reads,
    // opened at its first use and again after an import.
    MethodsView* methodsView = nullptr;
    std::shared_ptr<const ClimateMaps> climateMaps;
    // The chart windows and the Sweep window; the program gives its own (none: no charts).
    ChartWindows* charts = nullptr;
    SweepView* sweepView = nullptr;
    ProfileView* profileView = nullptr;
    // Long work away from the window (none: run where it is asked for).
    BusyWork* busyWork = nullptr;

    // The parts that the hop's method columns and its results window read.
    [[nodiscard]] MethodSources methodSources();
    [[nodiscard]] ResultsDisplay resultsDisplay();
    // What the methods table's events and the climate maps dialog change, the status and the
    // results following.
    [[nodiscard]] MethodsTableParts methodsTable();
    // The hop's sites, their file, and the messages reading and saving it may give.
    [[nodiscard]] SitesFileParts sitesFile();
    // What a chart's title block names.
    [[nodiscard]] TitleBlockSources titleBlockSources() const;
    [[nodiscard]] HopChartsParts hopCharts();

    // The hop, its field status and the route to their New defaults against the library.
    void resetHopAndRoute();
    // "Korvel - " and the current hop file name, or "(untitled)" without one.
    void updateTitle();
    // The six menu flags onto the menu, Print as somethingToPrint says, and the check mark on the
    // page showing; the status bar.
    void refreshMenu();
    // A hop report needs a calculated hop; a route table needs a route with hops, on the route
    // screen or while one of its hops is edited. Neither: Print is grayed.
    [[nodiscard]] bool somethingToPrint() const;
    // The hop as it is now counts as saved: just opened, saved, or reset by New.
    void markHopSaved();
    // The route as it is now counts as saved: just opened, written, or reset by New.
    void markRouteSaved();
    // The planner changed a value on the page showing: on the route screen or the hop box the
    // route's, on the hop's pages the hop's, until the page stores it.
    void noteEdit();
    // The hop page showing has stored every value it shows into the hop.
    void notePageStored();
    // The hop (as the pages last stored it, or as a page shows it) differs from what was last
    // opened or saved; a hop without a file is modified while a hop page shows it.
    [[nodiscard]] bool hopModified() const;
    // The route screen or the hop box took values since the route was last opened or written.
    [[nodiscard]] bool routeModified() const;
    // Save, or the save question, has something to keep: the hop's or the route's.
    [[nodiscard]] bool modified() const;
    // The status bar and the modified mark: see statusText().
    void updateStatus();
    // "Hop: NAME" (or "Route: NAME, hop NAME" for a route), "Library: " and its identification,
    // the hop's frequency on the hop's pages, and "Unsaved changes" when the hop has some;
    // separated by "  |  "; in UTF-8, the file names as the platform has them.
    [[nodiscard]] std::string statusText() const;
    // Today's date as every report heads it, in the user's date settings.
    [[nodiscard]] std::string reportDateStamp() const;
    // A file named without a folder lies in the working folder; any other name stands as given.
    [[nodiscard]] std::filesystem::path
    fileInWorkingFolder(const std::filesystem::path& file) const;

  private:
    std::vector<std::uint8_t> savedHop_; // the hop file image of the hop as last saved
    bool pageEdited_ = false;            // a hop page shows values it has not stored yet
    bool routeEdited_ = false;           // the route took values it has not written yet
};

} // namespace korvel
