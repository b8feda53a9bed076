#pragma once
// A whole number typed into a field, such as a longitude or a bit error rate exponent.

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvel {

// Leading blanks, an optional sign and at least one digit, nothing after them. Empty when the
// text is not such a number or its value does not fit an int.
[[nodiscard]] std::optional<int> readWholeNumber(std::string_view text);
// The same for a value the files keep in 16 bits: empty as well when it does not fit them.
[[nodiscard]] std::optional<std::int16_t> readShortWholeNumber(std::string_view text);

} // namespace korvel
