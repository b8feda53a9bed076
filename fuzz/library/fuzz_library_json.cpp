// Library JSON sources: any text either gives an error or a library whose JSON reads back to the
// same file image.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "library/library_file.h"
#include "library/library_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    const LibraryFromJson result =
        libraryFromJson(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::keep(result.error.size());
    if (!result.library) {
        return 0;
    }
    const auto image = libraryImage(*result.library);
    const LibraryFromJson again = libraryFromJson(libraryToJson(*result.library));
    fuzz::require(again.library.has_value());
    fuzz::require(libraryImage(*again.library) == image);
    return 0;
}
