#include "ui/hop_files.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "geo/site_offers.h"
#include "geo/sites_file.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "platform/text_encoding.h"
#include "ui/page.h"
#include "ui/session.h"

namespace korvel {

bool chooseFile(Session& session, DialogView* page, FileDialogUse use) {
    ApplicationState& app = session.app;
    app.fullFileName.clear();
    app.currentHopFileName.clear();
    // The dialog starts in the current file's folder.
    session.ports.files.setStartFolder(app.workingFolder.string());
    const std::optional<ChosenFile> chosen = [&] {
        const PageDisabled disabled(page);
        return session.ports.files.choose(use);
    }();
    if (!chosen) {
        return false;
    }
    app.fullFileName = chosen->fullName;
    app.currentHopFileName = chosen->bareName;
    app.workingFolder = chosen->fullName.parent_path();
    return true;
}

bool openChosenHop(Session& session) {
    HopState& hop = session.hop;
    const std::filesystem::path& name = session.app.currentHopFileName;
    if (!readHopFile(hop, session.library, session.fileInWorkingFolder(name), pathToCp1252(name),
                     session.ports.messages)) {
        return false;
    }
    takeReadHop(session);
    return true;
}

namespace {

// The hop length is kept to a tenth of a kilometre.
constexpr double kLengthStepKm = 0.1;

std::string kilometres(double km) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f km", km);
    return text;
}

void loadHopSites(Session& session) {
    const std::filesystem::path file = session.fileInWorkingFolder(session.app.currentHopFileName);
    SitesRead read = loadSites(file);
    session.sites = std::move(read.sites);
    if (read.status == SitesReadStatus::Refused) {
        session.ports.messages.show("The sites file " +
                                        utf8ToCp1252(sitesFilePath(file).filename().string()) +
                                        " cannot be used: " + utf8ToCp1252(read.error) +
                                        "\nThe hop opens without its sites; the file is kept.",
                                    kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

// The planner decides; No (the default) keeps the hop's own length.
void offerSiteLength(Session& session) {
    const auto offers = siteOffers(session.sites);
    if (!offers) {
        return;
    }
    double& lengthKm = session.hop.record.hopLengthKm;
    const double offeredKm = std::round(offers->hopLengthKm / kLengthStepKm) * kLengthStepKm;
    if (std::fabs(offeredKm - lengthKm) < kLengthStepKm / 2) {
        return;
    }
    const std::string question = "The sites put the stations " + kilometres(offeredKm) +
                                 " apart; the hop length is " + kilometres(lengthKm) + ".\nTake " +
                                 kilometres(offeredKm) + " as the hop length?";
    if (session.ports.messages.show(question, kAppCaption, MessageIcon::Question,
                                    MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes) {
        lengthKm = offeredKm;
    }
}

} // namespace

void takeReadHop(Session& session) {
    HopState& hop = session.hop;
    hop.selection.otherRadio = session.library.isOtherRadio(hop.selection.radioIndex);
    // Reports print the hop as stored, without a page committing it first.
    commitFeederPosition(hop, session.library);
    loadHopSites(session);
    session.markHopSaved();
    offerSiteLength(session);
}

std::optional<SaveFile> chooseHopToSave(Session& session, DialogView* page) {
    if (!chooseFile(session, page, FileDialogUse::SaveHop)) {
        return std::nullopt;
    }
    const std::filesystem::path file = session.fileInWorkingFolder(session.app.currentHopFileName);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        if (std::fstream(file, std::ios::binary | std::ios::in | std::ios::out).is_open()) {
            return SaveFile::Existing;
        }
    } else if (!error && std::ofstream(file, std::ios::binary).is_open()) {
        return SaveFile::CreatedEmpty;
    }
    session.ports.messages.show("Unable to create " + pathToCp1252(session.app.fullFileName),
                                kAppCaption, MessageIcon::None, MessageButtons::Ok);
    return std::nullopt;
}

bool finishSave(Session& session, SaveFile file, bool accepted) {
    std::filesystem::path& name = session.app.currentHopFileName;
    const std::filesystem::path path = session.fileInWorkingFolder(name);
    std::string shownName = pathToCp1252(name); // emptied when the write fails
    const bool written =
        accepted && writeHopFile(session.hop, path, shownName, shownName, session.ports.messages);
    if (accepted && !written) {
        name.clear();
    }
    if (!written && file == SaveFile::CreatedEmpty) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        name.clear();
    }
    if (written) {
        session.markHopSaved();
    }
    if (written && saveSites(path, session.sites) != FileWriteResult::Written) {
        session.ports.messages.show("Unable to write " +
                                        utf8ToCp1252(sitesFilePath(path).filename().string()) +
                                        "\nThe hop is saved; its sites are not.",
                                    kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return written;
}

} // namespace korvel
