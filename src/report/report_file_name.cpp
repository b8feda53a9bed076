#include "report/report_file_name.h"

namespace korvel {

std::string defaultReportFileName(std::string_view currentHopFileName) {
    if (currentHopFileName.size() < 2) {
        return {};
    }
    std::string name(currentHopFileName.substr(0, 128));
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos) {
        name.replace(dot + 1, std::string::npos, "txt");
    }
    return name;
}

std::string completeReportFileName(std::string_view typedName) {
    std::string name(typedName);
    // "/" counts as well: on this platform it is the folder separator.
    const std::size_t mark = name.find_last_of(".:\\/");
    if (mark == std::string::npos || name[mark] != '.') {
        name += ".txt";
    }
    return name;
}

} // namespace korvel
