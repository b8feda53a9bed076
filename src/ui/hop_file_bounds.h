#pragma once
// What a page may store: never a value the hop file reader would refuse when the hop is opened
// again (its one rule for damaged values), so a saved hop always opens.

#include <optional>
#include <string>

#include "engine/hop_record.h"

namespace korvel {

// The first value of `record` (with the rest of `hop`) the hop file reader would refuse, as a
// message names it: "the value of record.antenna1HeightM (5e+09) is beyond any hop"; nothing
// when the reader takes them all.
std::optional<std::string> valueTheReaderRefuses(const HopState& hop, const HopRecord& record);

} // namespace korvel
