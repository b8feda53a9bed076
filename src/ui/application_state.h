#pragma once
// What the shell, the pages and the reports share besides the hop and the route: which page is
// showing, whether it accepted its data, the menu, the printer and the names of the files in use.

#include <filesystem>
#include <string>

namespace korvel {

// Page numbers as the pages record them in currentPageId.
inline constexpr int kStartPanelId = 0;
inline constexpr int kRadioPageId = 103;
inline constexpr int kBasicsPageId = 104;
inline constexpr int kFormPageId = 105;
inline constexpr int kRouteScreenId = 1002;

// The six menu items whose state changes; every other item is always enabled.
struct MenuState {
    bool newHop = true;
    bool save = false;
    bool radios = false;
    bool basics = false;
    bool form = false;
    bool viewHops = false;

    friend bool operator==(const MenuState&, const MenuState&) = default;
};

struct ApplicationState {
    int currentPageId = kStartPanelId;
    bool pageAccepted = true;
    MenuState menu;
    bool printerUnavailable = true;
    // The hop last saved or opened, as the file system names it: its bare name, and the same
    // file with its folders. Shown in Windows-1252 only through pathToCp1252.
    std::filesystem::path currentHopFileName;
    std::filesystem::path fullFileName;
    // The report files last named in the print options (Windows-1252): text, tab-delimited, PDF.
    std::string reportFileName;
    std::string delimitedReportFileName;
    std::string pdfReportFileName;
    bool printMethods = false; // the print options' "Current ITU-R methods", kept for the run
    // Hop and report files named without a folder are read and written here: the folder of the
    // file last chosen, else the folder the program started in. The process's own working
    // directory never changes.
    std::filesystem::path workingFolder;
};

// A file named without a folder lies in the working folder; any other name stands as given.
inline std::filesystem::path inWorkingFolder(const ApplicationState& app,
                                             const std::filesystem::path& file) {
    return file.has_parent_path() ? file : app.workingFolder / file;
}

} // namespace korvel
