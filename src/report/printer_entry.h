#pragma once
// The printer the user profile names: key "Device" of section "windows".

#include <string_view>

#include "platform/printer.h"

namespace korvel {

class Profile;

// The entry reads "device,driver,port": the device name runs up to the first comma, inner blanks
// kept; then, past blanks and control characters, the driver up to the next comma or blank; then,
// past blanks, control characters and commas, the port up to the next blank. An entry without a
// comma is all device name. "Office Printer, PSCRIPT , LPT1:" names device "Office Printer",
// driver "PSCRIPT" and port "LPT1:".
PrinterName parsePrinterEntry(std::string_view entry);

// The printer of the profile's entry (its first 127 characters). An empty or missing entry gives
// an empty name: the system's default printer.
PrinterName profilePrinter(const Profile& profile);

} // namespace korvel
