#include "report/methods_section.h"

#include <algorithm>

#include "platform/print_device.h"
#include "report/methods_section_table.h"
#include "report/report_page_pen.h"

namespace korvel {
namespace {

// Room for "-1.23E-005" and the French verdicts.
constexpr std::size_t kCellWidth = 12;

// One row of the table in fixed columns: the label padded, each cell right-aligned.
std::string alignedRow(const std::vector<std::string>& row, std::size_t labelWidth,
                       std::size_t cellWidth) {
    std::string line = row[0];
    line.append(labelWidth - row[0].size(), ' ');
    for (std::size_t i = 1; i < row.size(); ++i) {
        line.append(2 + cellWidth - std::min(cellWidth, row[i].size()), ' ');
        line += row[i];
    }
    return line;
}

std::vector<std::string> alignedRows(const MethodsSectionTable& table) {
    std::size_t labelWidth = 0;
    std::size_t cellWidth = kCellWidth;
    for (const auto& row : table.rows) {
        labelWidth = std::max(labelWidth, row[0].size());
        for (std::size_t i = 1; i < row.size(); ++i) {
            cellWidth = std::max(cellWidth, row[i].size());
        }
    }
    std::vector<std::string> lines;
    for (const auto& row : table.rows) {
        lines.push_back(alignedRow(row, labelWidth, cellWidth));
    }
    return lines;
}

} // namespace

void addMethodsSectionText(ReportText& text, MethodColumns columns, ReportLanguage language) {
    const MethodsSectionTable table = methodsSectionTable(columns, language);
    text.add("\n\n     %s\n\n", table.title.c_str());
    for (const std::string& row : alignedRows(table)) {
        text.add("     %s\n", row.c_str());
    }
    text.addLineEnds(1);
    for (const std::string& line : table.lines) {
        text.add("     %s\n", line.c_str());
    }
}

void addMethodsSectionDelimited(ReportText& text, MethodColumns columns, ReportLanguage language) {
    const MethodsSectionTable table = methodsSectionTable(columns, language);
    text.add("\n%s\n\n", table.title.c_str());
    for (const auto& row : table.rows) {
        std::string line = row[0];
        for (std::size_t i = 1; i < row.size(); ++i) {
            line += '\t' + row[i];
        }
        text.add("%s\n", line.c_str());
    }
    text.addLineEnds(1);
    for (const std::string& line : table.lines) {
        text.add("%s\n", line.c_str());
    }
}

void drawMethodsSectionPage(PrintDevice& device, MethodColumns columns, ReportLanguage language) {
    const MethodsSectionTable table = methodsSectionTable(columns, language);
    ReportPagePen pen(device, 6 * device.averageCharWidth(), 2 * device.lineHeight());
    pen.row(" " + table.title, 2);
    for (const std::string& row : alignedRows(table)) {
        pen.row(" " + row, 1);
    }
    pen.advance(1);
    for (const std::string& line : table.lines) {
        pen.row(" " + line, 1);
    }
}

} // namespace korvel
