// Route file images of both layouts: a parse never reads outside the image and refuses a hop
// count the tables cannot hold; an accepted route writes the current layout, which reads back
// to the same bytes (a current image to its own stored bytes); the radio check leaves an index
// that names the route's radio.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "route/route_file.h"
#include "support/test_library.h"

namespace {

// The test library with the example route's radio, so the seeds pass the radio check.
korvel::EquipmentLibrary routeLibrary() {
    korvel::EquipmentLibrary library = korvel::makeTestLibrary();
    library.radios.insert(library.radios.begin() + 1, korvel::makeTestRadio("RL7-34", 7.0, 34.368));
    return library;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    static const EquipmentLibrary library = routeLibrary();
    const std::span<const std::uint8_t> input(data, size);

    RouteRecord record;
    RouteFileVersion version = RouteFileVersion::Current;
    const RouteParseError error = parseRouteImage(input, record, version);
    fuzz::keep(static_cast<std::uint64_t>(error));
    if (error != RouteParseError::None) {
        return 0;
    }
    fuzz::require(isValidHopCount(record.hopCount));

    const auto image = routeFileImage(record);
    fuzz::require(image.size() == kRouteFileSize);
    if (version == RouteFileVersion::Current) {
        fuzz::require(std::equal(image.begin(), image.end(), input.begin()));
    }
    RouteRecord again;
    RouteFileVersion againVersion = RouteFileVersion::SixteenBit;
    fuzz::require(parseRouteImage(image, again, againVersion) == RouteParseError::None);
    fuzz::require(againVersion == RouteFileVersion::Current);
    fuzz::require(routeFileImage(again) == image);

    korvel::SilentMessages messages;
    if (checkRouteRadio(record, library, messages)) {
        const RadioEntry* radio = library.radio(record.radioIndex);
        fuzz::require(radio != nullptr);
        FixedText<20> name;
        name.assign(radio->name.view());
        fuzz::require(name.view() == record.radioName.view());
    }
    return 0;
}
