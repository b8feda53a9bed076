#pragma once
// Files the tool reads and creates. Every command says the same failure in the same words:
// "FILE: cannot read", "FILE: not a valid hop file", "FILE: cannot write".

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "hopfile/hop_file.h"

namespace korvel::cli {

inline constexpr const char* kCannotRead = "cannot read";
inline constexpr const char* kCannotWrite = "cannot write";

// The whole file as text (a JSON source), or nothing after "FILE: cannot read" on stderr when it
// cannot be read (missing, a folder, a device that fails, no permission).
std::optional<std::string> readInputFile(const std::string& file);

// The first `maxBytes` bytes of `file`, or nothing after "FILE: cannot read".
std::optional<std::vector<std::uint8_t>> readInputBytes(const std::string& file,
                                                        std::size_t maxBytes);

// The hop `file` holds (either layout), or nothing after "FILE: cannot read" or "FILE: not a
// valid hop file".
std::optional<StoredHop> readStoredHop(const std::string& file);

// Whether readStoredHop succeeds: checked before the core's readers, which show the program's own
// messages, so that those only meet files they can read.
bool isHopFile(const std::string& file);

// The same for a route file: "FILE: not a valid route file".
bool isRouteFile(const std::string& file);

// False after "FILE exists already (use --force to replace it)" when `file` exists and may not
// be replaced.
bool outputAllowed(const std::string& file, bool force);

// Writes `bytes` through the safe replace, so a failure leaves no new, empty or cut file; an
// existing file is replaced only with `force`. False after "FILE: cannot write".
bool writeOutputFile(const std::string& file, std::span<const std::uint8_t> bytes, bool force);

} // namespace korvel::cli
