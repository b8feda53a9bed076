#include "ui/shell.h"

#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "library/library_file.h"
#include "platform/main_window_view.h"
#include "platform/results_window.h"
#include "platform/text_encoding.h"
#include "report/printer_entry.h"
#include "route/route_open.h"
#include "ui/about_box.h"
#include "ui/climate_maps_dialog.h"
#include "ui/form_registry.h"
#include "ui/hop_files.h"
#include "ui/hops_list_dialog.h"
#include "ui/recent_files.h"
#include "ui/results_shown.h"
#include "ui/route_saving.h"
#include "ui/session.h"
#include "ui/start_panel.h"

namespace korvel {

namespace {

constexpr std::string_view kSaveQuestion = "Save current data ?";
constexpr std::string_view kOtherRadioLossWarning = "All data will be lost.";

// The menu as each page command leaves it; New and View hops keep their state.
void setPageMenu(Command page, bool otherRadio, MenuState& menu) {
    switch (page) {
    case Command::RadioPage:
        menu.save = !otherRadio;
        menu.radios = false;
        menu.basics = true;
        menu.form = false;
        break;
    case Command::BasicsPage:
        menu.save = !otherRadio;
        menu.radios = true;
        menu.basics = false;
        menu.form = true;
        break;
    case Command::FormPage:
        menu.radios = true;
        menu.basics = true;
        menu.form = false;
        break;
    default: // the route screen and the hop box
        menu.save = false;
        menu.radios = false;
        menu.basics = false;
        menu.form = false;
        break;
    }
}

} // namespace

Shell::Shell(Session& session) : session_(session), editWatch_(session) {}

Shell::~Shell() = default;

int Shell::currentPageId() const {
    return session_.app.currentPageId;
}

bool Shell::start() {
    checkPrinterAndDates();
    if (!readLibrary(session_.libraryPath, session_.library, session_.ports.messages)) {
        return false;
    }
    session_.resetHopAndRoute();
    session_.updateTitle();
    session_.ports.window.drawBanner();
    openPage(std::make_unique<StartPanel>(session_));
    session_.refreshMenu();
    return true;
}

bool Shell::openHopFile(const std::string& path) {
    const std::filesystem::path file(path);
    ApplicationState& app = session_.app;
    app.fullFileName = file;
    app.currentHopFileName = file.filename();
    std::error_code unknown;
    app.workingFolder = std::filesystem::absolute(file, unknown).parent_path();
    session_.ports.window.eraseBanner();
    if (openChosenHop(session_)) {
        switchPage(Command::BasicsPage);
        rememberFile(path);
        return true;
    }
    performNew();
    return false;
}

void Shell::openFile(const std::string& path) {
    if (mayReplaceHop()) {
        openWithoutPrompt(path);
    }
}

void Shell::openWithoutPrompt(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    performNew();
    if (extension != ".ROU") {
        openHopFile(path);
        return;
    }
    std::error_code unknown;
    const std::filesystem::path file = std::filesystem::absolute(path, unknown);
    session_.ports.window.eraseBanner();
    if (openRoute(session_.route, session_.library, file, session_.ports.messages)) {
        session_.app.workingFolder = file.parent_path();
        rememberFile(path);
        switchPage(Command::RouteScreen);
    }
}

void Shell::openChosen() {
    if (!mayReplaceHop()) {
        return;
    }
    // Cancelled, nothing was opened: the hop keeps its file.
    if (chooseFile(session_, pageView_, FileDialogUse::OpenHopOrRoute)) {
        openWithoutPrompt(session_.app.fullFileName.string());
    }
}

void Shell::openRecent(std::size_t index) {
    std::vector<std::string> recent = session_.ports.window.recentFiles();
    if (index >= recent.size()) {
        return;
    }
    const std::string path = recent[index];
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        const bool folder = std::filesystem::is_directory(std::filesystem::path(path), error);
        session_.ports.messages.show(
            (folder ? pathToCp1252(path) + " is now a folder, not a hop or route file"
                    : "Cannot find " + pathToCp1252(path)) +
                ". It is taken off the recent files.",
            kAppCaption, MessageIcon::Warning, MessageButtons::Ok);
        forgetRecentFile(recent, path);
        session_.ports.window.setRecentFiles(recent);
        return;
    }
    openFile(path);
}

void Shell::rememberFile(const std::string& path) {
    rememberRecentFile(session_.ports.window, path);
}

void Shell::onCommand(Command command) {
    // The page that opened the dialog resumes when it closes: nothing may replace it before.
    if (session_.modalRuns.dialogOpen()) {
        session_.modalRuns.holdBack(command);
        return;
    }
    switch (command) {
    case Command::RadioPage:
    case Command::BasicsPage:
    case Command::FormPage:
    case Command::RouteScreen:
    case Command::HopBox:
        switchPage(command);
        break;
    case Command::About:
        runAboutBox(session_.ports.dialogs, session_.library);
        break;
    case Command::ShortGuide:
        session_.ports.window.showGuide();
        break;
    case Command::Sweep:
    case Command::BudgetChart:
    case Command::OutageChart:
        formChart(command);
        break;
    case Command::RouteChart:
        routeChart();
        break;
    case Command::Profile:
        profile();
        break;
    case Command::ClimateMaps:
        runClimateMapsDialog(session_.ports.dialogs, session_.methodsTable());
        break;
    case Command::Sites:
        sites();
        break;
    case Command::ExportKml:
    case Command::ExportGeoJson:
        exportMap(command == Command::ExportKml ? MapFormat::Kml : MapFormat::GeoJson);
        break;
    default:
        fileCommand(command);
        break;
    }
}

void Shell::fileCommand(Command command) {
    switch (command) {
    case Command::New:
        newHop();
        break;
    case Command::Save:
        save();
        break;
    case Command::SaveAs:
        saveAs();
        break;
    case Command::Open:
        openChosen();
        break;
    case Command::Exit:
        if (onCloseRequest()) {
            session_.ports.window.quit(0);
        }
        break;
    case Command::ViewHops:
        viewHops();
        break;
    case Command::Print:
        print();
        break;
    default:
        if (command >= Command::OpenRecentFirst && command <= Command::OpenRecentLast) {
            openRecent(static_cast<std::size_t>(static_cast<int>(command) -
                                                static_cast<int>(Command::OpenRecentFirst)));
        }
        break;
    }
}

bool Shell::onCloseRequest() {
    // The session manager's question cannot wait for the dialog to close: not now.
    if (session_.modalRuns.dialogOpen()) {
        return false;
    }
    // A hop on the OTHER radio cannot be saved (its typed radio lives in the library in memory,
    // which a reopened hop would not find again), so its work is lost: said, as New says it.
    if (session_.hop.selection.otherRadio) {
        return session_.ports.messages.show(kOtherRadioLossWarning, kAppCaption,
                                            MessageIcon::Warning,
                                            MessageButtons::OkCancel) == MessageAnswer::Ok;
    }
    return savePrompt(PromptModality::System);
}

bool Shell::onShutdownQuery() {
    return onCloseRequest();
}

void Shell::onSettingsChanged() {
    checkPrinterAndDates();
}

void Shell::checkPrinterAndDates() {
    session_.app.printerUnavailable =
        session_.ports.printers.open(profilePrinter(session_.ports.profile)) == nullptr;
    session_.dateSettings = readDateSettings(session_.ports.profile, session_.dateSettings);
}

void Shell::switchPage(Command command) {
    std::unique_ptr<Page> next = makePage(command, session_);
    if (!next || !pageAccepts()) {
        return;
    }
    destroyPage();
    openPage(std::move(next));
    setPageMenu(command, session_.hop.selection.otherRadio, session_.app.menu);
    session_.refreshMenu();
}

void Shell::openPage(std::unique_ptr<Page> page) {
    ResultsWindow* results = session_.resultsWindow;
    const bool resultsOpen = results != nullptr && results->isOpen();
    if (resultsOpen) {
        results->close();
    }
    editWatch_.watch(page.get());
    DialogView* view = session_.ports.dialogs.createPage(page->form(), editWatch_);
    if (view == nullptr) {
        editWatch_.watch(nullptr);
        if (const std::string_view text = registeredForm(page->form()).creationFailure;
            !text.empty()) {
            session_.ports.messages.show(text, "Error", MessageIcon::Error, MessageButtons::Ok);
        }
        return;
    }
    page_ = std::move(page);
    pageView_ = view;
    page_->open(*view);
    showResultsWithPage(session_.resultsDisplay(), resultsOpen);
}

void Shell::destroyPage() {
    if (page_) {
        session_.ports.dialogs.destroyPage();
        editWatch_.watch(nullptr);
        pageView_ = nullptr;
        page_.reset();
    }
}

bool Shell::pageAccepts(bool saving) {
    session_.app.pageAccepted = true;
    if (page_ && saving) {
        page_->onSaveCheck();
    } else if (page_) {
        page_->onMenuCommand(Command::LeavePage);
    }
    if (session_.app.pageAccepted && session_.app.currentPageId != kRouteScreenId) {
        session_.notePageStored();
    }
    return session_.app.pageAccepted;
}

void Shell::save() {
    if (hasCurrentFile()) {
        saveToCurrentFile();
    } else {
        saveAs();
    }
}

void Shell::saveAs() {
    ApplicationState& app = session_.app;
    const std::optional<SaveFile> file = chooseHopToSave(session_, pageView_);
    if (!file) {
        return;
    }
    const bool accepted = pageAccepts(true);
    if (finishSave(session_, *file, accepted)) {
        rememberFile(app.fullFileName.string());
    }
    if (accepted) {
        session_.updateTitle();
    }
}

bool Shell::hasCurrentFile() const {
    const std::filesystem::path& name = session_.app.currentHopFileName;
    std::error_code error;
    return !name.empty() &&
           std::filesystem::is_regular_file(session_.fileInWorkingFolder(name), error);
}

bool Shell::saveToCurrentFile() {
    const bool accepted = pageAccepts(true);
    const bool written = finishSave(session_, SaveFile::Existing, accepted);
    if (written) {
        rememberFile(session_.fileInWorkingFolder(session_.app.currentHopFileName).string());
    }
    session_.updateTitle();
    return written;
}

bool Shell::hasUnsavedChanges() {
    if (session_.app.currentPageId == kRouteScreenId) {
        return session_.routeModified();
    }
    return session_.hopModified() || !pageAccepts() || session_.hopModified();
}

bool Shell::saveRoute() {
    RouteState& route = session_.route;
    Messages& messages = session_.ports.messages;
    if (page_ && !page_->takeIntoRoute()) {
        return false;
    }
    if (route.record.fileName.empty()) {
        messages.show("The route has no file name: name it on the route screen to save it.",
                      kAppCaption, MessageIcon::Information);
        return false;
    }
    return writeRouteWithHopFiles(session_, pageView_);
}

bool Shell::mayReplaceHop() {
    if (session_.hop.selection.otherRadio) {
        return session_.ports.messages.show(kOtherRadioLossWarning, kAppCaption,
                                            MessageIcon::Warning,
                                            MessageButtons::OkCancel) == MessageAnswer::Ok;
    }
    return savePrompt(PromptModality::Application);
}

bool Shell::savePrompt([[maybe_unused]] PromptModality modality) {
    const int page = session_.app.currentPageId;
    if (page == kStartPanelId || !hasUnsavedChanges()) {
        return true;
    }
    switch (session_.ports.messages.show(kSaveQuestion, kAppCaption, MessageIcon::Question,
                                         MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: {
        if (page == kRouteScreenId) {
            return saveRoute();
        }
        if (hasCurrentFile()) {
            return saveToCurrentFile();
        }
        const std::optional<SaveFile> file = chooseHopToSave(session_, pageView_);
        if (!file) {
            return false;
        }
        // The user asked for the hop to be kept: when the page refuses its fields or the write
        // fails, the caller stops rather than lose the hop.
        return finishSave(session_, *file, pageAccepts(true));
    }
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void Shell::viewHops() {
    if (!session_.route.routeHopActive) {
        return;
    }
    bool chosen = false;
    {
        const PageDisabled disabled(pageView_);
        chosen = runHopsListDialog(session_);
    }
    if (chosen) {
        // The chosen hop replaces the page without asking it: what was typed there is dropped.
        destroyPage();
        openPage(makePage(Command::BasicsPage, session_));
        setPageMenu(Command::BasicsPage, session_.hop.selection.otherRadio, session_.app.menu);
        session_.refreshMenu();
    }
}

void Shell::newHop() {
    if (mayReplaceHop()) {
        performNew();
    }
}

void Shell::performNew() {
    destroyPage();
    if (session_.resultsWindow != nullptr) {
        session_.resultsWindow->close();
    }
    if (session_.charts != nullptr) {
        session_.charts->closeAll();
    }
    // The library's message has been shown when it fails; the library in memory stays.
    readLibrary(session_.libraryPath, session_.library, session_.ports.messages);
    session_.resetHopAndRoute();
    ApplicationState& app = session_.app;
    app.currentPageId = kStartPanelId;
    app.currentHopFileName.clear();
    app.fullFileName.clear();
    app.reportFileName.clear();
    // The menu returns to its start; the printer stays as the last check found it.
    app.menu = MenuState{};
    session_.updateTitle();
    openPage(std::make_unique<StartPanel>(session_));
    session_.ports.window.drawBanner();
    session_.refreshMenu();
}

} // namespace korvel
