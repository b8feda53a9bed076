// Reading and writing hop files on disk. A write replaces the file in one step, so a failure
// never leaves half a hop behind.
#include <fstream>
#include <string>
#include <system_error>

#include "hopfile/hop_file.h"
#include "hopfile/library_checks.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"

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

void warn(Messages& messages, const std::string& text) {
    messages.beep();
    messages.show(text, kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
}

} // namespace

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
    const std::string name(shownName);
    // Bytes after the hop are not part of it.
    const auto image = readFileBytes(file, kHopFileSize);
    if (!image) {
        showCannotOpen(messages, name);
        return false;
    }
    StoredHop stored;
    if (parseHopImage(*image, stored) != HopParseError::None) {
        warn(messages, "Error while opening " + name + ". It is not a valid Korvel file.");
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

} // namespace korvel
