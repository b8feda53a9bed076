// Sites files: any text is refused with a reason or gives sites that write and read back to the
// same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "geo/sites_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    const SitesRead read =
        parseSitesText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.status != SitesReadStatus::Read) {
        fuzz::require(!read.error.empty());
        return 0;
    }
    const std::string text = sitesFileText(read.sites);
    const SitesRead again = parseSitesText(text);
    fuzz::require(again.status == SitesReadStatus::Read);
    fuzz::require(sitesFileText(again.sites) == text);
    return 0;
}
