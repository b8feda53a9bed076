#pragma once
// What a page may store: never a value the hop file reader would refuse when the hop is opened
// again (its one rule for damaged values), so a saved hop always opens.

#include <optional>
#include <string>
#include <string_view>

namespace korvel {

// The reader's word on `value` for the record field `recordField` ("antenna1HeightM"), as a
// message names it: "the value of record.antenna1HeightM (5e+09) is beyond any hop"; nothing
// when the reader takes it.
std::optional<std::string> valueTheReaderRefuses(std::string_view recordField, double value);

} // namespace korvel
