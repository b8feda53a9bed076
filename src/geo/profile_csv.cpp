#include "geo/profile_csv.h"

#include <charconv>
#include <optional>
#include <vector>

#include "engine/number_text.h"
#include "geo/profile_checks.h"
#include "geo/site_ranges.h"
#include "platform/text_trim.h"

namespace korvel {

namespace {

std::optional<double> csvNumber(std::string_view field) {
    field = trimmed(field);
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> csvFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string_view::npos;
         comma = line.find(',', start)) {
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::string onLine(std::size_t line, const std::string& text) {
    return "line " + std::to_string(line) + ": " + text;
}

// At most this many characters of a refused line are quoted back.
constexpr std::size_t kQuotedCharacters = 80;

// The line as the message quotes it: cut after kQuotedCharacters characters (never inside a
// UTF-8 sequence), "..." marking the cut.
std::string quotedLine(std::string_view line) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte & 0xC0u) != 0x80u && characters++ == kQuotedCharacters) {
            return "\"" + std::string(line.substr(0, i)) + "...\"";
        }
    }
    return "\"" + std::string(line) + "\"";
}

// A UTF-8 byte-order mark some spreadsheets put before the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The numbers of a line, or nothing when one of its fields is not a number.
std::optional<std::vector<double>> lineNumbers(std::string_view line) {
    const auto fields = csvFields(line);
    std::vector<double> numbers;
    for (const auto field : fields) {
        if (const auto number = csvNumber(field)) {
            numbers.push_back(*number);
        }
    }
    if (numbers.size() != fields.size()) {
        return std::nullopt;
    }
    return numbers;
}

// Why a line of `count` numbers cannot be a point after `held` points; empty when it can.
std::string pointLineFault(std::size_t count, std::size_t held) {
    if (count != 2 && count != 3) {
        return "expected 2 or 3 numbers (distance km, ground m, clutter m), found " +
               std::to_string(count);
    }
    if (held == kMaxProfilePoints) {
        return "a profile holds at most " + std::to_string(kMaxProfilePoints) + " points";
    }
    return {};
}

// The whole profile's checks, said at the line of the point they fault.
void checkWhole(ProfileImport& result, const std::vector<std::size_t>& lineOfPoint,
                double hopLengthKm) {
    if (result.profile.empty()) {
        result.error = "the file holds no profile points";
        return;
    }
    if (const auto fault = profileFault(result.profile)) {
        result.error = onLine(lineOfPoint[fault->index], fault->text);
        result.profile.clear();
        return;
    }
    if (hopLengthKm > 0.0 && !profileReaches(result.profile, hopLengthKm)) {
        result.error =
            onLine(lineOfPoint.back(),
                   "the last point is at " + kilometresText(result.profile.back().distanceKm) +
                       ", not at station 2 (" + kilometresText(hopLengthKm) + ")");
        result.profile.clear();
    }
}

} // namespace

ProfileImport importProfileCsv(std::string_view text, double hopLengthKm) {
    ProfileImport result;
    std::vector<std::size_t> lineOfPoint;
    std::size_t lineNumber = 0;
    bool headingAllowed = true; // only the first line that is not empty may be a heading
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, newline));
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        ++lineNumber;
        if (line.empty()) {
            continue;
        }
        const bool mayBeHeading = headingAllowed;
        headingAllowed = false;
        const auto numbers = lineNumbers(line);
        if (!numbers) {
            if (mayBeHeading) {
                continue;
            }
            return {{}, onLine(lineNumber, "expected numbers, found " + quotedLine(line))};
        }
        if (const std::string fault = pointLineFault(numbers->size(), result.profile.size());
            !fault.empty()) {
            return {{}, onLine(lineNumber, fault)};
        }
        const std::vector<double>& n = *numbers;
        result.profile.push_back({n[0], n[1], n.size() == 3 ? n[2] : 0.0, n.size() == 3});
        lineOfPoint.push_back(lineNumber);
    }
    checkWhole(result, lineOfPoint, hopLengthKm);
    return result;
}

} // namespace korvel
