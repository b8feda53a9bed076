// The ITU's text grids: one row a line, numbers separated by blanks, tabs or commas.
#include <charconv>
#include <cmath>
#include <string_view>

#include "itu/climate/grid_array.h"

namespace korvel {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r';
}

GridArrayRead failureOnLine(std::size_t line, const std::string& why) {
    return {std::nullopt, "line " + std::to_string(line) + ": " + why};
}

// How many values are read between two questions whether to stop: the R001 grid asks ~60 times.
constexpr std::size_t kValuesBetweenStopQuestions = std::size_t{1} << 16u;

} // namespace

GridArrayRead readTextGrid(std::span<const std::uint8_t> bytes, const StopAsked& stopAsked) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    GridArray array;
    std::size_t line = 0;
    std::size_t start = 0;
    std::size_t nextQuestion = kValuesBetweenStopQuestions;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++line;
        std::size_t count = 0;
        for (std::size_t i = start; i < end;) {
            if (isSeparator(text[i])) {
                ++i;
                continue;
            }
            const std::size_t from = i + (text[i] == '+' ? 1 : 0);
            double value = 0.0;
            const auto [stop, status] =
                std::from_chars(text.data() + from, text.data() + end, value);
            const auto after = static_cast<std::size_t>(stop - text.data());
            if (status != std::errc() || (after < end && !isSeparator(text[after])) ||
                !std::isfinite(value)) {
                std::size_t word = i;
                while (word < end && !isSeparator(text[word])) {
                    ++word;
                }
                return failureOnLine(
                    line, "\"" + std::string(text.substr(i, std::min<std::size_t>(word - i, 20))) +
                              "\" is not a number");
            }
            array.values.push_back(value);
            ++count;
            i = after;
        }
        start = end + 1;
        if (stopAsked && array.values.size() >= nextQuestion) {
            if (stopAsked()) {
                return {std::nullopt, std::string(kStoppedRead)};
            }
            nextQuestion = array.values.size() + kValuesBetweenStopQuestions;
        }
        if (count == 0) {
            continue;
        }
        if (array.rows == 0) {
            array.columns = static_cast<std::uint32_t>(count);
        } else if (count != array.columns) {
            return failureOnLine(line, std::to_string(count) + " values where the first row has " +
                                           std::to_string(array.columns) + " (cut short?)");
        }
        ++array.rows;
    }
    if (array.rows == 0) {
        return {std::nullopt, "no numbers in the file"};
    }
    return {std::move(array), {}};
}

} // namespace korvel
