#include "ui/hop_files.h"

#include <fstream>
#include <system_error>

#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "platform/text_encoding.h"
#include "ui/hop_sites_files.h"
#include "ui/page.h"
#include "ui/results_basis.h"
#include "ui/results_shown.h"
#include "ui/session.h"
#include "ui/site_question.h"

namespace korvel {

bool chooseFile(Session& session, DialogView* page, FileDialogUse use) {
    ApplicationState& app = session.app;
    // The dialog starts in the current file's folder; Save As proposes the current name.
    session.ports.files.setStartFolder(app.workingFolder.string());
    if (use == FileDialogUse::SaveHop) {
        session.ports.files.setStartName(app.currentHopFileName.string());
    }
    const std::optional<ChosenFile> chosen = [&] {
        const PageDisabled disabled(page);
        return session.ports.files.choose(use);
    }();
    // Cancelled: the hop keeps the file it had.
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

void takeReadHop(Session& session) {
    HopState& hop = session.hop;
    hop.selection.otherRadio = session.library.isOtherRadio(hop.selection.radioIndex);
    // Reports print the hop as stored, without a page committing it first.
    commitFeederPosition(hop, session.library);
    const std::filesystem::path file = session.fileInWorkingFolder(session.app.currentHopFileName);
    readHopSites(session.sitesFile(), file);
    session.markHopSaved();
    noteResultsOpened(session.resultsBasis, session.hop, session.library, file);
    offerSiteValues(session.ports.messages, session.sites, hop.record);
}

std::optional<SaveFile> chooseHopToSave(Session& session, DialogView* page) {
    ApplicationState& app = session.app;
    const ApplicationState before = app;
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
    session.ports.messages.show("Unable to create " + pathToCp1252(app.fullFileName), kAppCaption,
                                MessageIcon::None, MessageButtons::Ok);
    // Nothing was written: the hop keeps the file it had.
    app.fullFileName = before.fullFileName;
    app.currentHopFileName = before.currentHopFileName;
    app.workingFolder = before.workingFolder;
    return std::nullopt;
}

bool finishSave(Session& session, SaveFile file, bool accepted) {
    std::filesystem::path& name = session.app.currentHopFileName;
    const std::filesystem::path path = session.fileInWorkingFolder(name);
    std::string shownName = pathToCp1252(name); // emptied when the write fails
    if (accepted) {
        bringResultsUpToDate(session.hop, session.library, session.resultsDisplay());
    }
    const bool written =
        accepted && writeHopWithSites(session.hop, session.sitesFile(), path, shownName);
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
    return written;
}

} // namespace korvel
