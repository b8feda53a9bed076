#include "ui/results_lines.h"

namespace korvel {

namespace {

std::string withoutTrailingBlanks(std::string_view line) {
    const std::size_t end = line.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view{}
                                                     : line.substr(0, end + 1));
}

void wrapParagraph(std::string_view text, std::vector<std::string>& lines) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t length = text.size() - start;
        if (length > kResultsLineWidth) {
            length = kResultsLineWidth;
            if (text[start + length] != ' ') {
                const std::size_t blank = text.substr(start, length).rfind(' ');
                if (blank != std::string_view::npos) {
                    length = blank + 1;
                }
            }
        }
        lines.push_back(withoutTrailingBlanks(text.substr(start, length)));
        start += length;
    }
}

} // namespace

std::vector<std::string> resultsLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            wrapParagraph(text.substr(start), lines);
            break;
        }
        wrapParagraph(text.substr(start, end - start), lines);
        start = end + 1;
    }
    return lines;
}

} // namespace korvel
