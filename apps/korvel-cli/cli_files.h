#pragma once
// Files the tool reads whole and creates on request.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace korvel::cli {

// The whole file as text (a JSON source), or nothing after "FILE: cannot read" on stderr when it
// cannot be read (missing, a folder, a device that fails, no permission).
std::optional<std::string> readInputFile(const std::string& file);

// False after "FILE exists already (use --force to replace it)" when `file` exists and may not
// be replaced.
bool outputAllowed(const std::string& file, bool force);

// Writes `bytes` through the safe replace, so a failure leaves no new, empty or cut file; an
// existing file is replaced only with `force`. False after saying what went wrong.
bool writeOutputFile(const std::string& file, std::span<const std::uint8_t> bytes, bool force);

} // namespace korvel::cli
