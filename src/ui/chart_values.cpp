#include "ui/chart_values.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace korvel::chart_values {

std::string number(double value, const char* format) {
    if (!std::isfinite(value)) {
        return "-";
    }
    return formatNumbers(format, value);
}

std::string percent(double value) {
    return number(value, "%.6g");
}

double onLogAxis(double value) {
    return value > 0.0 && std::isfinite(value) ? value : kNotANumber;
}

double logFloor(const std::vector<double>& values) {
    double smallest = std::numeric_limits<double>::infinity();
    for (const double value : values) {
        if (value > 0.0 && std::isfinite(value)) {
            smallest = std::min(smallest, value);
        }
    }
    if (!std::isfinite(smallest)) {
        return 1e-6;
    }
    return std::pow(10.0, std::floor(std::log10(smallest)) - 1.0);
}

} // namespace korvel::chart_values
