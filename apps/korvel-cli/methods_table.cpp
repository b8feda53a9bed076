// The method columns of one hop as a text table: a row per input (with its source) and per
// figure, then the notes of each column.

#include <algorithm>

#include "methods_output.h"
#include "report/methods_rows.h"

namespace korvel::cli {
namespace {

using itu::MethodResult;

// An input's cell names its source beside its value.
std::string cellText(const MethodsRow& row, const MethodResult& m) {
    std::string text = row.cell(m);
    if (row.input != nullptr && m.inputs.*row.input) {
        text.append(" ").append((m.inputs.*row.input)->source);
    }
    return text;
}

// Display width of UTF-8 text: its code points.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void appendPadded(std::string& text, const std::string& cell, std::size_t columnWidth) {
    text += cell;
    text.append(columnWidth - width(cell), ' ');
}

} // namespace

void appendAligned(std::string& text, const std::vector<std::vector<std::string>>& grid) {
    std::vector<std::size_t> widths;
    for (const auto& row : grid) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], width(row[i]));
    }
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t i = 0; i + 1 < row.size(); ++i)
            appendPadded(line, row[i], widths[i] + 2);
        line += row.back();
        text += line.substr(0, line.find_last_not_of(' ') + 1);
        text += '\n';
    }
}

void appendMethodsTable(std::string& text, const std::vector<const MethodResult*>& columns) {
    std::vector<std::vector<std::string>> grid{{"Method"}};
    for (const MethodResult* m : columns)
        grid[0].emplace_back(itu::methodName(m->method));
    for (const MethodsRow& row : methodsRows()) {
        grid.push_back({std::string(row.label)});
        for (const MethodResult* m : columns)
            grid.back().push_back(cellText(row, *m));
    }
    appendAligned(text, grid);
    for (const MethodResult* m : columns)
        for (std::string_view note : m->notes)
            text.append(itu::methodName(m->method)).append(": ").append(note).append("\n");
}

} // namespace korvel::cli
