#pragma once
// What the section of the current methods says, before a form lays it out: its title, a header
// row and a row per input and figure (label, then a cell per column), and the lines after the
// table (sources, missing values, notes). All Windows-1252.

#include <string>
#include <vector>

#include "report/methods_section.h"

namespace korvel {

struct MethodsSectionTable {
    std::string title;
    std::vector<std::vector<std::string>> rows; // rows[0]: the header
    std::vector<std::string> lines;
};

MethodsSectionTable methodsSectionTable(MethodColumns columns, ReportLanguage language);

} // namespace korvel
