#pragma once
// What every command shares: the global options, the library, the console messages.

#include <filesystem>
#include <string>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "platform/console/console_messages.h"

namespace korvel::cli {

struct GlobalOptions {
    std::string libraryFile; // empty: ./korvel32.lbr, else the installed sample library
    std::string profileFile; // empty: the usual profile search
    bool verbose = false;    // say which library is used
};

struct CliContext {
    GlobalOptions options;
    ConsoleMessages messages;
    EquipmentLibrary library;

    // Reads the library once; false (after the library's own message) when it cannot be used.
    bool loadLibrary();
    // The library, then the hop file prepared as for a calculation; false, after saying which
    // file cannot be used, when either fails.
    bool loadHop(const std::string& file, HopState& hop);
    [[nodiscard]] std::filesystem::path libraryPath() const;

  private:
    bool libraryLoaded_ = false;
};

// "korvel-cli: " + what went wrong, on stderr.
void reportError(const std::string& what);

} // namespace korvel::cli
