#include "ui/session.h"

#include <system_error>
#include <utility>

#include "library/new_hop.h"
#include "platform/text_encoding.h"
#include "route/route_reset.h"

namespace korvel {

namespace {

constexpr std::string_view kUntitled = "(untitled)";

} // namespace

Session::Session(SessionPorts sessionPorts, std::string libraryFile)
    : modalRuns(sessionPorts.window), countedDialogs_(sessionPorts.dialogs, modalRuns),
      countedMessages_(sessionPorts.messages, modalRuns),
      countedFiles_(sessionPorts.files, modalRuns), ports{countedMessages_,
                                                          countedFiles_,
                                                          countedDialogs_,
                                                          sessionPorts.window,
                                                          sessionPorts.profile,
                                                          sessionPorts.printers},
      libraryPath(std::move(libraryFile)) {
    std::error_code unknown;
    app.workingFolder = std::filesystem::current_path(unknown);
}

void Session::resetHopAndRoute() {
    resetHopState(hop, library);
    sites = {};
    fields.resetForNew();
    resetRoute(route, library, app.workingFolder);
}

void Session::updateTitle() {
    std::string title(kAppCaption);
    title += " - ";
    title += app.currentHopFileName.empty() ? std::string(kUntitled)
                                            : pathToCp1252(app.currentHopFileName.filename());
    ports.window.setTitle(title);
}

void Session::refreshMenu() {
    MainWindowView& window = ports.window;
    window.setMenuEnabled(Command::New, app.menu.newHop);
    window.setMenuEnabled(Command::Save, app.menu.save);
    window.setMenuEnabled(Command::RadioPage, app.menu.radios);
    window.setMenuEnabled(Command::BasicsPage, app.menu.basics);
    window.setMenuEnabled(Command::FormPage, app.menu.form);
    window.setMenuEnabled(Command::ViewHops, app.menu.viewHops);
    window.setMenuChecked(Command::RadioPage, app.currentPageId == kRadioPageId);
    window.setMenuChecked(Command::BasicsPage, app.currentPageId == kBasicsPageId);
    window.setMenuChecked(Command::FormPage, app.currentPageId == kFormPageId);
}

std::string Session::reportDateStamp() const {
    return formatDateStamp(dateSettings, reportToday());
}

std::filesystem::path Session::fileInWorkingFolder(const std::filesystem::path& file) const {
    return file.has_parent_path() ? file : app.workingFolder / file;
}

} // namespace korvel
