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
    return loadHop(file, hop, messages);
}

int CliContext::loadHop(const std::string& file, HopState& hop, Messages& sink) {
    if (!loadLibrary()) {
        return kExitUnusable;
    }
    const auto stored = readHopInput(file);
    if (!stored) {
        return kExitUnusable;
    }
    return finishLoad(file, loadHopForCalculation(*stored, file, library, sink, hop));
}

int CliContext::loadHop(const std::string& file, std::span<const std::uint8_t> image,
                        HopState& hop) {
    if (!loadLibrary()) {
        return kExitUnusable;
    }
    return finishLoad(file, loadHopForCalculation(image, file, library, messages, hop));
}

int CliContext::finishLoad(const std::string& file, const HopLoad& load) const {
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
    if (!loadLibrary()) {
        return false;
    }
    const auto stored = readHopInput(file);
    if (!stored) {
        return false;
    }
    resetHopState(hop, library);
    if (!loadStoredHop(hop, library, *stored, file, messages)) {
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
    const FileBytes image = readLibraryBytes(file);
    if (!image) {
        reportError(file + ": " + fileReadProblem(image.status));
        return false;
    }
    if (!readLibraryImage(image.bytes, library, messages)) {
        reportError(file + ": not a valid equipment library");
        return false;
    }
    return true;
}

namespace {
thread_local std::ostream* errorSink = nullptr;
} // namespace

void reportError(const std::string& what) {
    (errorSink != nullptr ? *errorSink : std::cerr) << "korvel-cli: " << what << '\n';
}

ErrorCapture::ErrorCapture(std::ostream& sink) : previous_(errorSink) {
    errorSink = &sink;
}

ErrorCapture::~ErrorCapture() {
    errorSink = previous_;
}

} // namespace korvel::cli
