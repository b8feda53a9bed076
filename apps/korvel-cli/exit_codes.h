#pragma once
// Exit status of korvel-cli.

namespace korvel::cli {

inline constexpr int kExitOk = 0;       // every hop produced results
inline constexpr int kExitUnusable = 2; // a file could not be used, or the command line is wrong
inline constexpr int kExitStopped = 3;  // a calculation stopped (negative margin, obstructed path)

} // namespace korvel::cli
