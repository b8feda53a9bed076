#include "cli_context.h"

#include <iostream>

#include "hopfile/hop_preparation.h"
#include "library/library_file.h"
#include "library/library_location.h"

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
    if (!readLibrary(path, library, messages)) {
        reportError(path.string() + ": the equipment library cannot be used");
        return false;
    }
    libraryLoaded_ = true;
    return true;
}

bool CliContext::loadHop(const std::string& file, HopState& hop) {
    if (!loadLibrary()) {
        return false;
    }
    if (!loadHopForCalculation(file, library, messages, hop)) {
        reportError(file + ": the hop file cannot be used");
        return false;
    }
    return true;
}

void reportError(const std::string& what) {
    std::cerr << "korvel-cli: " << what << '\n';
}

} // namespace korvel::cli
