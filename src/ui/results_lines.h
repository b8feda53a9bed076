#pragma once
// The lines of a results block as the results window shows them: each entry is padded to the
// width of one line, and the window wraps the text at that width between words.

#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// Characters of one line of the results window.
inline constexpr std::size_t kResultsLineWidth = 41;

// Breaks the text at its line breaks and then, between words, at kResultsLineWidth characters;
// a line that would end inside a word ends after the last blank before it. Trailing blanks are
// dropped, so an entry left out becomes an empty line.
std::vector<std::string> resultsLines(std::string_view text);

} // namespace korvel
