#include "report/printer_entry.h"

#include <algorithm>
#include <string>

#include "platform/profile.h"

namespace korvel {

namespace {

constexpr std::size_t kEntryMax = 127;

// Blanks and control characters; bytes above 127 are letters of Windows-1252.
bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view takeUntil(std::string_view& rest, std::string_view stops) {
    const std::size_t end = std::min(rest.find_first_of(stops), rest.size());
    const std::string_view taken = rest.substr(0, end);
    rest.remove_prefix(end);
    return taken;
}

void skipWhile(std::string_view& rest, bool (*skipped)(char)) {
    while (!rest.empty() && skipped(rest.front())) {
        rest.remove_prefix(1);
    }
}

} // namespace

PrinterName parsePrinterEntry(std::string_view entry) {
    PrinterName printer;
    printer.device = takeUntil(entry, ",");
    if (entry.empty()) {
        return printer;
    }
    entry.remove_prefix(1);
    skipWhile(entry, isBlankOrControl);
    printer.driver = takeUntil(entry, ", ");
    skipWhile(entry, [](char c) { return isBlankOrControl(c) || c == ','; });
    printer.port = takeUntil(entry, " ");
    return printer;
}

PrinterName profilePrinter(const Profile& profile) {
    const std::string entry = profile.stringValue("windows", "Device", "");
    return parsePrinterEntry(std::string_view(entry).substr(0, kEntryMax));
}

} // namespace korvel
