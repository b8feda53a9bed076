#include "geo/site_ranges.h"

#include <cmath>

#include "engine/number_text.h"

namespace korvel {

bool withinRange(double value, PhysicalRange range) {
    return std::isfinite(value) && value >= range.least && value <= range.most;
}

std::string rangeInWords(PhysicalRange range, std::string_view unit) {
    return formatNumbers("from %.10g to %.10g", range.least, range.most) +
           (unit.empty() ? "" : " " + std::string(unit));
}

} // namespace korvel
