#pragma once
// Which equipment library a program reads when the user names none.

#include <filesystem>

namespace korvel {

// explicitFile when it is not empty; else korvel32.lbr in the working folder when it exists; else
// the installed sample library when it exists; else the sample library of the build tree, found
// from the running program's own folder; else the installed one (which the message then names).
std::filesystem::path findLibraryFile(const std::filesystem::path& explicitFile);

} // namespace korvel
