#include "ui/hop_file_bounds.h"

#include "hopfile/stored_values.h"

namespace korvel {

std::optional<std::string> valueTheReaderRefuses(std::string_view recordField, double value) {
    if (!isDamagedNumber(value)) {
        return std::nullopt;
    }
    return describeDamage({"record." + std::string(recordField), numberProblem(value), {}});
}

} // namespace korvel
