#include "ui/hop_files.h"

#include <fstream>
#include <system_error>

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
    app.workingFolder = std::filesystem::path(cp1252ToUtf8(chosen->fullName)).parent_path();
    return true;
}

bool openChosenHop(Session& session) {
    HopState& hop = session.hop;
    const std::string& name = session.app.currentHopFileName;
    if (!readHopFile(hop, session.library, session.fileInWorkingFolder(name), name,
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
    session.markHopSaved();
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
    session.ports.messages.show("Unable to create " + session.app.fullFileName, kAppCaption,
                                MessageIcon::None, MessageButtons::Ok);
    return std::nullopt;
}

bool finishSave(Session& session, SaveFile file, bool accepted) {
    std::string& name = session.app.currentHopFileName;
    const std::filesystem::path path = session.fileInWorkingFolder(name);
    const bool written =
        accepted && writeHopFile(session.hop, path, name, name, session.ports.messages);
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
