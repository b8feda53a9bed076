#pragma once
// Exit status of korvel-cli. The README and --help print the same table.

namespace korvel::cli {

inline constexpr int kExitOk = 0;       // everything asked for was done
inline constexpr int kExitUnusable = 2; // a file could not be read or written, or the command
                                        // line is wrong
inline constexpr int kExitStopped = 3;  // a calculation stopped (negative margin, obstructed
                                        // path) or gave a result that is not a finite number
inline constexpr int kExitRefused = 4;  // refused by a rule of the program (rain below 6 GHz,
                                        // OTHER radio in optimize, a value the pages refuse)

inline constexpr const char* kExitCodeTable =
    "Exit status: 0 everything asked for was done; 2 a file could not be read or written, or the\n"
    "command line is wrong; 3 a calculation stopped or gave no finite result; 4 refused by a rule\n"
    "(rain below 6 GHz, OTHER radio in optimize, a hop or route the pages would refuse).";

} // namespace korvel::cli
