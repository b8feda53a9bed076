#include "ui/hop_file_bounds.h"

#include "hopfile/stored_values.h"

namespace korvel {

std::optional<std::string> valueTheReaderRefuses(const HopState& hop, const HopRecord& record) {
    StoredHop stored{HopFileVersion::Current, record, hop.results, hop.selection};
    const StoredValueReview review = reviewStoredValues(stored);
    if (!review.refusal) {
        return std::nullopt;
    }
    return describeDamage(*review.refusal);
}

} // namespace korvel
