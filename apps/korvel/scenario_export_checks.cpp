#include "scenario_export_checks.h"

#include <cmath>

#include <QDir>
#include <QImage>

namespace korvel {

std::string imageResolutionDifference(const std::string& rest) {
    const auto space = rest.rfind(' ');
    if (space == std::string::npos) {
        return "expect image FILE DPI";
    }
    const std::string file = rest.substr(0, space);
    const QImage image(QDir::current().filePath(QString::fromStdString(file)));
    if (image.isNull()) {
        return "no picture " + file;
    }
    const long dpi = std::lround(image.dotsPerMeterX() * 0.0254);
    const std::string wanted = rest.substr(space + 1);
    return std::to_string(dpi) == wanted
               ? std::string()
               : file + " is " + std::to_string(dpi) + " dpi (" + std::to_string(image.width()) +
                     " px wide), not " + wanted;
}

} // namespace korvel
