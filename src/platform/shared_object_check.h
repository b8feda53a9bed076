#pragma once
// Whether a file is whole enough to hand to the dynamic loader. The loader maps a shared object
// without reading it, so a cut or overwritten one (a copy that stopped half way, a full disk)
// would crash the program with a bus error at the first touch; this reads the file's headers
// first and refuses what does not add up.

#include <filesystem>
#include <optional>
#include <string>

namespace korvel {

// Far above any module of the program; a larger file is not one.
inline constexpr std::size_t kSharedObjectMaxBytes = 64u << 20u;

// Nothing when `file` is a regular ELF shared object of this machine's class and byte order
// whose header tables and loadable segments all lie within the file; else why not, in a few
// words: "not a regular file", "not an ELF shared object", "cut short (12 KiB of ...)".
std::optional<std::string> sharedObjectFault(const std::filesystem::path& file);

} // namespace korvel
