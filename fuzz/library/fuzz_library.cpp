// Library file images: a parse never reads outside the image, and whatever it accepts writes
// back to an image that parses to the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "library/library_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    EquipmentLibrary library;
    const LibraryParseError error = parseLibrary(std::span(data, size), library);
    fuzz::keep(static_cast<std::uint64_t>(error));
    if (error != LibraryParseError::None) {
        return 0;
    }
    const auto image = libraryImage(library);
    fuzz::require(image.size() ==
                  libraryFileSize(library.radioCount(), library.feederTableCount()));
    EquipmentLibrary again;
    fuzz::require(parseLibrary(image, again) == LibraryParseError::None);
    fuzz::require(libraryImage(again) == image);
    const FeederPosition position =
        findFeederRow(library, library.radio(0)->frequencyGHz, FeederInsulation::Both);
    fuzz::keep(static_cast<std::uint64_t>(position.table + position.row));
    return 0;
}
