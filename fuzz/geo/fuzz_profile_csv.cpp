// Imported CSV profiles: any text is refused naming a reason, or gives a profile that starts at
// station 1 and runs in increasing distance.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "geo/profile_checks.h"
#include "geo/profile_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    const ProfileImport read =
        importProfileCsv(std::string_view(reinterpret_cast<const char*>(data), size), 0.0);
    fuzz::require(read.error.empty() != read.profile.empty());
    if (read.error.empty()) {
        fuzz::require(!profileFault(read.profile).has_value());
    }
    return 0;
}
