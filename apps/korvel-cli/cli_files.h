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

// The whole file as text (a JSON source of at most 16 MiB), or nothing after "FILE: cannot
// read", "FILE: not a regular file" or "FILE: too large (over 16 MiB)" on stderr.
std::optional<std::string> readInputFile(const std::string& file);

// The first `maxBytes` bytes of `file`, or nothing after "FILE: cannot read" or "FILE: not a
// regular file".
std::optional<std::vector<std::uint8_t>> readInputBytes(const std::string& file,
                                                        std::size_t maxBytes);

// Hop file `file` (either layout) as parsed, read once for all that follows (its damaged values
// not yet repaired), or nothing after the messages of readInputBytes, "FILE: not a valid hop
// file" or "FILE: the value of FIELD ..." (a damaged value that refuses the file).
std::optional<StoredHop> readHopInput(const std::string& file);

// The hop `file` holds, repaired where the value rule repairs (each repair said on stderr), or
// nothing after the messages of readHopInput.
std::optional<StoredHop> readStoredHop(const std::string& file);

// The same as readHopInput for a route file: "FILE: not a valid route file" or "FILE: the value
// of route.FIELD ...".
std::optional<std::vector<std::uint8_t>> readRouteInput(const std::string& file);

// False after "FILE exists already (use --force to replace it)" when `file` exists and may not
// be replaced.
bool outputAllowed(const std::string& file, bool force);

// Writes `bytes` through the safe replace, so a failure leaves no new, empty or cut file; an
// existing file is replaced only with `force`, and never when it is not a regular file (a FIFO,
// a device, also behind a link). False after "FILE: cannot write" or "FILE: cannot write (not a
// regular file)".
bool writeOutputFile(const std::string& file, std::span<const std::uint8_t> bytes, bool force);

} // namespace korvel::cli
