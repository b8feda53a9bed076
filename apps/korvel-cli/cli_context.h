#pragma once
// What every command shares: the global options, the library, the console messages, and the
// loading of a hop file with the same words for the same failure in every command.

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <string>

#include "engine/hop_record.h"
#include "hopfile/hop_preparation.h"
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

    // Reads the library once (readLibraryFile).
    bool loadLibrary();
    // The library, then the hop file prepared as for a calculation. The exit status: 0, or 2
    // after "FILE: cannot read", "FILE: not a valid hop file" or (its radio is not in the
    // library) "FILE: cannot be used with this equipment library"; 4 after the page's message
    // and "FILE: record.FIELD is refused".
    int loadHop(const std::string& file, HopState& hop);
    // The same with the program's messages told to `sink`: a hop loaded on a worker thread.
    int loadHop(const std::string& file, HopState& hop, Messages& sink);
    // The same for the bytes of hop file `file`, already read and known to be a hop.
    int loadHop(const std::string& file, std::span<const std::uint8_t> image, HopState& hop);
    // The hop file as stored (results included) with the library checks, as a report prints
    // it; false after the same messages as loadHop's status 2.
    bool readHop(const std::string& file, HopState& hop);
    // Writes the hop back into its existing file; false after the program's message and
    // "FILE: cannot write", the file left as it was.
    bool saveHop(const std::string& file, const HopState& hop);
    [[nodiscard]] std::filesystem::path libraryPath() const;

  private:
    // The exit status of a load, with "FILE: record.FIELD is refused" or "FILE: cannot be used
    // with this equipment library" said.
    int finishLoad(const std::string& file, const HopLoad& load) const;

    bool libraryLoaded_ = false;
};

// Reads a library file; false after "FILE: cannot read" or the library's own message and "FILE:
// not a valid equipment library".
bool readLibraryFile(const std::string& file, EquipmentLibrary& library, Messages& messages);

// "korvel-cli: " + what went wrong, on stderr (or where an ErrorCapture of the thread says).
void reportError(const std::string& what);

// While one lives, reportError on its thread writes to `sink`: a hop worked on beside others
// keeps what it says until its turn to print comes.
class ErrorCapture {
  public:
    explicit ErrorCapture(std::ostream& sink);
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

  private:
    std::ostream* previous_;
};

// What korvel-cli says after a hop file whose radio the equipment library lacks.
inline constexpr const char* kNotWithThisLibrary = "cannot be used with this equipment library";

} // namespace korvel::cli
