#include "scenario_files.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace korvel {

namespace {

std::filesystem::path scenarioPath(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2])) != 0 &&
            std::isxdigit(static_cast<unsigned char>(text[i + 3])) != 0) {
            bytes += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

std::pair<std::string, std::string> splitName(const std::string& text) {
    const auto space = text.find(' ');
    return space == std::string::npos ? std::pair{text, std::string()}
                                      : std::pair{text.substr(0, space), text.substr(space + 1)};
}

std::optional<std::string> contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// ROWS lines of COLUMNS times VALUE: a synthetic climate grid as large as an ITU one.
bool writeGrid(const std::filesystem::path& file, const std::string& shape) {
    std::istringstream words(shape);
    int rows = 0;
    int columns = 0;
    std::string value;
    if (!(words >> rows >> columns >> value) || rows <= 0 || columns <= 0) {
        return false;
    }
    std::string row;
    for (int column = 0; column < columns; ++column) {
        row += (column == 0 ? "" : " ") + value;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (int line = 0; line < rows; ++line) {
        out << row << "\r\n";
    }
    return static_cast<bool>(out.flush());
}

} // namespace

std::optional<std::string> fileAction(const std::string& action, const std::string& rest) {
    const auto [name, text] = splitName(rest);
    const std::filesystem::path file = scenarioPath(name);
    std::error_code error;
    if (action == "write") {
        std::string lines = text;
        for (auto at = lines.find("\\n"); at != std::string::npos; at = lines.find("\\n", at)) {
            lines.replace(at, 2, 1, '\n');
        }
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << lines << '\n';
        return out.flush() ? "" : "cannot write " + name;
    }
    if (action == "grid") {
        return writeGrid(file, text) ? "" : "expected grid FILE ROWS COLUMNS VALUE, not " + rest;
    }
    if (action == "copy") {
        std::filesystem::copy_file(file, scenarioPath(text),
                                   std::filesystem::copy_options::overwrite_existing, error);
        return error ? "cannot copy " + name + " to " + text : "";
    }
    if (action == "remove") {
        return std::filesystem::remove(file, error) ? "" : "nothing to remove at " + name;
    }
    if (action == "folder") {
        return std::filesystem::create_directory(file, error) ? "" : "cannot make folder " + name;
    }
    return std::nullopt;
}

std::string differenceBetween(const std::string& first, const std::string& second) {
    const auto one = contents(scenarioPath(first));
    const auto two = contents(scenarioPath(second));
    if (!one || !two) {
        return "cannot read " + (one ? second : first);
    }
    return *one == *two ? "" : first + " and " + second + " differ";
}

} // namespace korvel
