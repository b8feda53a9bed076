// Hop file images: a parse never reads outside the image, an accepted hop writes back to the
// same stored bytes, and the library checks with the Basics commit leave every index inside the
// library.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "hopfile/library_checks.h"
#include "support/test_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    static const EquipmentLibrary library = makeTestLibrary();

    StoredHop stored;
    const HopParseError error = parseHopImage(std::span(data, size), stored);
    fuzz::keep(static_cast<std::uint64_t>(error));
    if (error != HopParseError::None) {
        return 0;
    }
    HopState hop;
    hop.record = stored.record;
    hop.results = stored.results;
    hop.selection = stored.selection;

    const auto image = hopFileImage(hop);
    fuzz::require(image.size() == kHopFileSize);
    StoredHop again;
    fuzz::require(parseHopImage(image, again) == HopParseError::None);
    HopState rewritten;
    rewritten.record = again.record;
    rewritten.results = again.results;
    rewritten.selection = again.selection;
    fuzz::require(hopFileImage(rewritten) == image);

    korvel::SilentMessages messages;
    if (!checkRadio(hop, library, messages)) {
        return 0;
    }
    fuzz::require(library.radio(hop.selection.radioIndex) != nullptr);
    checkAntennas(hop, library, messages);
    checkFeeders(hop, library, messages);
    commitFeederPosition(hop, library); // above 3 GHz the commit brings the feeders inside
    const int diameters = library.diameterCountOf(hop.record.antennaType);
    for (const std::int16_t index : hop.selection.antennaIndex) {
        fuzz::require(index >= 0 && (index < diameters || index == 0));
    }
    const int types = library.feederTypeCountOf(hop.selection.feederTable);
    for (const std::int16_t index : hop.selection.feederIndex) {
        fuzz::require(index >= 0 && (index < types || index == 0));
    }
    return 0;
}
