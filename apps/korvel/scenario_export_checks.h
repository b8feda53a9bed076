#pragma once
// Scenario checks of the files a chart is exported to.

#include <string>

namespace korvel {

// `expect image FILE DPI`: FILE is a picture marked with DPI dots per inch (to the nearest);
// what differs, empty when it is.
std::string imageResolutionDifference(const std::string& rest);

} // namespace korvel
