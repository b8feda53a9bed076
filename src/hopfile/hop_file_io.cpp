// Reading and writing hop files on disk. A write replaces the file in one step, so a failure
// never leaves half a hop behind.
#include <fstream>
#include <string>
#include <system_error>

#include "hopfile/hop_file.h"
#include "hopfile/library_checks.h"
#include "hopfile/stored_values.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"
#include "platform/warning.h"

namespace korvel {

namespace {

void copyStoredParts(const StoredHop& stored, HopState& hop) {
    hop.record = stored.record;
    hop.results = stored.results;
    HopSelection& selection = hop.selection;
    selection.radioIndex = stored.selection.radioIndex;
    selection.antennaIndex = stored.selection.antennaIndex;
    selection.feederIndex = stored.selection.feederIndex;
    selection.userDiameter = stored.selection.userDiameter;
    selection.userGain = stored.selection.userGain;
    selection.userFeederLoss = stored.selection.userFeederLoss;
    selection.branchingLossSet = stored.selection.branchingLossSet;
    selection.ptxChoice = stored.selection.ptxChoice;
    selection.prxthChoice = stored.selection.prxthChoice;
    selection.otherBerExponent = stored.selection.otherBerExponent;
    selection.otherPtxText = stored.selection.otherPtxText;
    selection.otherPrxthText = stored.selection.otherPrxthText;
}

void showCannotOpen(Messages& messages, const std::string& name) {
    messages.show("Cannot open " + name, kAppCaption, MessageIcon::None, MessageButtons::Ok);
}

std::string capitalised(std::string text) {
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') {
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    }
    return text;
}

} // namespace

bool acceptStoredValues(StoredHop& stored, const std::string& name, Messages& messages) {
    const StoredValueReview review = reviewStoredValues(stored);
    if (review.refusal) {
        warn(messages, "Error while opening " + name + ". " +
                           capitalised(describeDamage(*review.refusal)) + ".");
        return false;
    }
    for (const DamagedValue& repair : review.repairs) {
        warn(messages, "In " + name + " " + describeDamage(repair) + ".");
    }
    return true;
}

bool writeHopFile(const HopState& hop, const std::filesystem::path& file,
                  std::string& currentHopFileName, Messages& messages) {
    return writeHopFile(hop, file, file.string(), currentHopFileName, messages);
}

bool writeHopFile(const HopState& hop, const std::filesystem::path& file,
                  std::string_view shownName, std::string& currentHopFileName, Messages& messages) {
    const std::string name(shownName);
    // The writer never creates a hop file: the Save dialog or the route made it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) ||
        std::ofstream(file, std::ios::binary | std::ios::in | std::ios::out).fail()) {
        showCannotOpen(messages, name);
        currentHopFileName.clear();
        return false;
    }
    if (replaceFileContents(file, hopFileImage(hop)) != FileWriteResult::Written) {
        messages.show("Cannot write " + name, kAppCaption, MessageIcon::None, MessageButtons::Ok);
        currentHopFileName.clear();
        return false;
    }
    return true;
}

bool readHopFile(HopState& hop, const EquipmentLibrary& library, const std::filesystem::path& file,
                 Messages& messages) {
    return readHopFile(hop, library, file, file.string(), messages);
}

bool readHopFile(HopState& hop, const EquipmentLibrary& library, const std::filesystem::path& file,
                 std::string_view shownName, Messages& messages) {
    const FileBytes image = readHopBytes(file);
    if (!image) {
        showCannotRead(messages, std::string(shownName), image.status);
        return false;
    }
    return readHopImage(hop, library, image.bytes, shownName, messages);
}

bool readHopImage(HopState& hop, const EquipmentLibrary& library,
                  std::span<const std::uint8_t> image, std::string_view shownName,
                  Messages& messages) {
    StoredHop stored;
    if (parseHopImage(image, stored) != HopParseError::None) {
        warn(messages,
             "Error while opening " + std::string(shownName) + ". It is not a valid Korvel file.");
        return false;
    }
    return loadStoredHop(hop, library, stored, shownName, messages);
}

bool loadStoredHop(HopState& hop, const EquipmentLibrary& library, StoredHop stored,
                   std::string_view shownName, Messages& messages) {
    const std::string name(shownName);
    if (!acceptStoredValues(stored, name, messages)) {
        return false;
    }
    if (stored.version == HopFileVersion::SixteenBit) {
        warn(messages, "The file " + name + " is created with 16-bit version of Korvel.\n" +
                           " When saved, it will be converted to 32-bit format.");
    }
    copyStoredParts(stored, hop);
    if (!checkRadio(hop, library, messages)) {
        return false;
    }
    checkAntennas(hop, library, messages);
    checkFeeders(hop, library, messages);
    return true;
}

FileBytes readHopBytes(const std::filesystem::path& file) {
    // Bytes after the hop are not part of it.
    return readRegularFile(file, kHopFileSize, BeyondLimit::Ignore);
}

void showCannotRead(Messages& messages, const std::string& name, FileReadStatus status) {
    switch (status) {
    case FileReadStatus::NotRegular:
    case FileReadStatus::TooLarge:
        showCannotOpen(messages, name + ": " + fileReadProblem(status) + ".");
        return;
    case FileReadStatus::Read:
    case FileReadStatus::NotFound:
    case FileReadStatus::ReadError:
        break;
    }
    showCannotOpen(messages, name);
}

} // namespace korvel
