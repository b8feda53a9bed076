#include "report/methods_section.h"

#include <algorithm>

#include "platform/print_device.h"
#include "report/methods_section_table.h"
#include "report/report_page_pen.h"

namespace korvel {
namespace {

// Room for "-1.23E-005" and the French verdicts.
constexpr std::size_t kCellWidth = 12;
// A line after the table wraps on the page within the hop report's widest rows.
constexpr std::size_t kPageLineWidth = 84;

// line cut at blanks into pieces of at most width characters (a longer word stays whole); the
// pieces after the first are indented.
std::vector<std::string> wrapped(const std::string& line, std::size_t width) {
    std::vector<std::string> pieces;
    std::string rest = line;
    while (rest.size() > width) {
        std::size_t cut = rest.rfind(' ', width);
        if (cut == std::string::npos || cut < 8) {
            cut = rest.find(' ', width);
            if (cut == std::string::npos) {
                break;
            }
        }
        pieces.push_back(rest.substr(0, cut));
        rest = "    " + rest.substr(cut + 1);
    }
    pieces.push_back(rest);
    return pieces;
}

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
        for (const std::string& piece : wrapped(line, kPageLineWidth)) {
            pen.row(" " + piece, 1);
        }
    }
}

} // namespace korvel
