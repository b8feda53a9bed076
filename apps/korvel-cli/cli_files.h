#pragma once
// Files the tool reads whole and creates on request.

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace korvel::cli {

// The whole file as text (a JSON source), or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Writes `bytes` to a new file; an existing file is replaced only with `force`. Returns an empty
// string on success, else what went wrong.
std::string writeNewFile(const std::filesystem::path& file, std::span<const char> bytes,
                         bool force);

// Creates an empty file where none exists, as the Save dialog does before the hop writer runs.
std::string createEmptyFile(const std::filesystem::path& file, bool force);

} // namespace korvel::cli
