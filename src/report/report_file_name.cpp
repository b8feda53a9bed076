#include "report/report_file_name.h"

namespace korvel {

std::string defaultReportFileName(std::string_view currentHopFileName, std::string_view extension) {
    if (currentHopFileName.size() < 2) {
        return {};
    }
    std::string name(currentHopFileName.substr(0, 128));
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos) {
        name.replace(dot + 1, std::string::npos, extension);
    }
    return name;
}

std::string completeReportFileName(std::string_view typedName, std::string_view extension) {
    std::string name(typedName);
    // "/" counts as well: on this platform it is the folder separator.
    const std::size_t mark = name.find_last_of(".:\\/");
    if (mark == std::string::npos || name[mark] != '.') {
        name += '.';
        name += extension;
    }
    return name;
}

} // namespace korvel
