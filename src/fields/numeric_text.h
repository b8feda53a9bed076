#pragma once
// The form of a number typed into a field, and its value. Text is Windows-1252 bytes.

#include <string_view>

namespace korvel {

// Only the characters "+-0123456789.": a sign in the first position is free, a point counts one,
// a sign anywhere else counts two, and the text passes with a count of at most one. So "12", "+12",
// "-.5", "12." and "" pass; "1.2.3", "5-", "+-5", "1e5", " 5" fail.
[[nodiscard]] bool isNumericText(std::string_view text);

// The leading decimal number of the text (optional sign, digits, optional point and digits),
// in the unit of the field. The empty text, a lone sign and a lone point give 0; "-0" gives +0.
[[nodiscard]] double numericTextValue(std::string_view text);

} // namespace korvel
