#include "cli_context.h"

#include <iostream>

#include "cli_files.h"
#include "exit_codes.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "library/library_file.h"
#include "library/library_location.h"
#include "library/new_hop.h"

namespace korvel::cli {

std::filesystem::path CliContext::libraryPath() const {
    return findLibraryFile(options.libraryFile);
}

bool CliContext::loadLibrary() {
    if (libraryLoaded_) {
        return true;
    }
    const auto path = libraryPath();
    if (options.verbose) {
        reportError("library: " + path.string());
    }
    libraryLoaded_ = readLibraryFile(path.string(), library, messages);
    return libraryLoaded_;
}

int CliContext::loadHop(const std::string& file, HopState& hop) {
    if (!loadLibrary() || !isHopFile(file)) {
        return kExitUnusable;
    }
    const HopLoad load = loadHopForCalculation(file, library, messages, hop);
    switch (load.status) {
    case HopLoadStatus::Loaded:
        return kExitOk;
    case HopLoadStatus::Refused:
        reportError(file + ": record." + std::string(load.refusedField) + " is refused");
        return kExitRefused;
    case HopLoadStatus::Unusable:
        break;
    }
    reportError(file + ": " + kNotWithThisLibrary);
    return kExitUnusable;
}

bool CliContext::readHop(const std::string& file, HopState& hop) {
    if (!loadLibrary() || !isHopFile(file)) {
        return false;
    }
    resetHopState(hop, library);
    if (!readHopFile(hop, library, file, messages)) {
        reportError(file + ": " + kNotWithThisLibrary);
        return false;
    }
    return true;
}

bool CliContext::saveHop(const std::string& file, const HopState& hop) {
    std::string currentName = file;
    if (!writeHopFile(hop, file, currentName, messages)) {
        reportError(file + ": " + kCannotWrite);
        return false;
    }
    return true;
}

bool readLibraryFile(const std::string& file, EquipmentLibrary& library, Messages& messages) {
    if (!readInputBytes(file, 0)) {
        return false;
    }
    if (!readLibrary(file, library, messages)) {
        reportError(file + ": not a valid equipment library");
        return false;
    }
    return true;
}

void reportError(const std::string& what) {
    std::cerr << "korvel-cli: " << what << '\n';
}

} // namespace korvel::cli
