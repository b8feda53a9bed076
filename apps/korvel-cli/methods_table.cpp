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

// A line ends at its last character: the padding of its last cells is dropped.
void endLine(std::string& text, std::size_t lineStart) {
    const std::size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos || last < lineStart ? lineStart : last + 1);
    text += '\n';
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
        const std::size_t lineStart = text.size();
        for (std::size_t i = 0; i + 1 < row.size(); ++i) {
            text += row[i];
            text.append(widths[i] + 2 - width(row[i]), ' ');
        }
        text += row.back();
        endLine(text, lineStart);
    }
}

void appendMethodsTable(std::string& text, const std::vector<const MethodResult*>& columns) {
    // Cells row by row, the label first; each cell's width counted once.
    const std::size_t stride = columns.size() + 1;
    std::vector<std::string> cells;
    cells.reserve((methodsRows().size() + 1) * stride);
    cells.emplace_back("Method");
    for (const MethodResult* m : columns)
        cells.emplace_back(itu::methodName(m->method));
    for (const MethodsRow& row : methodsRows()) {
        cells.emplace_back(row.label);
        for (const MethodResult* m : columns)
            cells.push_back(cellText(row, *m));
    }
    std::vector<std::size_t> cellWidths(cells.size());
    std::vector<std::size_t> widths(stride, 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cellWidths[i] = width(cells[i]);
        widths[i % stride] = std::max(widths[i % stride], cellWidths[i]);
    }
    for (std::size_t start = 0; start < cells.size(); start += stride) {
        const std::size_t lineStart = text.size();
        for (std::size_t i = 0; i + 1 < stride; ++i)
            text.append(cells[start + i]).append(widths[i] + 2 - cellWidths[start + i], ' ');
        text += cells[start + stride - 1];
        endLine(text, lineStart);
    }
    for (const MethodResult* m : columns)
        for (std::string_view note : m->notes)
            text.append(itu::methodName(m->method)).append(": ").append(note).append("\n");
}

} // namespace korvel::cli
