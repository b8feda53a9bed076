#include "ui/shell.h"

#include <string_view>
#include <system_error>

#include "library/library_file.h"
#include "platform/text_encoding.h"
#include "report/printer_entry.h"
#include "ui/about_box.h"
#include "ui/hop_files.h"
#include "ui/hops_list_dialog.h"
#include "ui/page_factory.h"
#include "ui/print_job.h"
#include "ui/print_options_dialog.h"
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

Shell::Shell(Session& session) : session_(session) {}

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

void Shell::openHopFile(const std::string& path) {
    const std::filesystem::path file(path);
    ApplicationState& app = session_.app;
    app.fullFileName = file;
    app.currentHopFileName = file.filename();
    std::error_code unknown;
    app.workingFolder = std::filesystem::absolute(file, unknown).parent_path();
    session_.ports.window.eraseBanner();
    if (openChosenHop(session_)) {
        switchPage(Command::BasicsPage);
    } else {
        performNew();
    }
}

void Shell::onCommand(Command command) {
    switch (command) {
    case Command::RadioPage:
    case Command::BasicsPage:
    case Command::FormPage:
    case Command::RouteScreen:
    case Command::HopBox:
        switchPage(command);
        break;
    case Command::New:
        newHop();
        break;
    case Command::Save:
        save();
        break;
    case Command::Exit:
        if (onCloseRequest()) {
            session_.ports.window.quit(0);
        }
        break;
    case Command::About:
        runAboutBox(session_);
        break;
    case Command::ViewHops:
        viewHops();
        break;
    case Command::Print:
        print();
        break;
    case Command::ShortGuide:
        session_.ports.window.showGuide();
        break;
    default:
        break;
    }
}

bool Shell::onCloseRequest() {
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
    DialogView* view = session_.ports.dialogs.createPage(page->form(), *page);
    if (view == nullptr) {
        if (const std::string_view text = pageCreationFailure(page->form()); !text.empty()) {
            session_.ports.messages.show(text, "Error", MessageIcon::Error, MessageButtons::Ok);
        }
        return;
    }
    page_ = std::move(page);
    pageView_ = view;
    page_->open(*view);
}

void Shell::destroyPage() {
    if (page_) {
        session_.ports.dialogs.destroyPage();
        pageView_ = nullptr;
        page_.reset();
    }
}

bool Shell::pageAccepts(bool saving) {
    session_.app.pageAccepted = true;
    if (page_ && saving) {
        page_->onSaveCheck();
    } else if (page_) {
        page_->onCommand(kLeavePageCommand);
    }
    return session_.app.pageAccepted;
}

void Shell::save() {
    const std::optional<SaveFile> file = chooseHopToSave(session_, pageView_);
    if (!file) {
        return;
    }
    const bool accepted = pageAccepts(true);
    finishSave(session_, *file, accepted);
    if (accepted) {
        session_.updateTitle();
    }
}

bool Shell::savePrompt([[maybe_unused]] PromptModality modality) {
    const int page = session_.app.currentPageId;
    if (page == kStartPanelId || page == kRouteScreenId) {
        return true;
    }
    switch (session_.ports.messages.show(kSaveQuestion, kAppCaption, MessageIcon::Question,
                                         MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: {
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

void Shell::print() {
    std::optional<PrintRequest> request;
    {
        const PageDisabled disabled(pageView_);
        request = runPrintOptionsDialog(session_);
    }
    if (request && printReport(session_, pageView_, *request) == kPrintFailed) {
        Messages& messages = session_.ports.messages;
        messages.beep();
        messages.show("Cannot print", kAppCaption, MessageIcon::Warning, MessageButtons::Ok);
    }
}

void Shell::newHop() {
    if (session_.hop.selection.otherRadio) {
        if (session_.ports.messages.show(kOtherRadioLossWarning, kAppCaption, MessageIcon::Warning,
                                         MessageButtons::OkCancel) == MessageAnswer::Ok) {
            performNew();
        }
    } else if (savePrompt(PromptModality::Application)) {
        performNew();
    }
}

void Shell::performNew() {
    destroyPage();
    if (session_.resultsWindow != nullptr) {
        session_.resultsWindow->close();
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
