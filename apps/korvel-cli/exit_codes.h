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

// The status of a command that met several outcomes, one per hop: an unusable file outranks a
// refusal, which outranks a stopped calculation.
constexpr int gravestExit(int first, int second) {
    const auto rank = [](int status) {
        switch (status) {
        case kExitUnusable:
            return 3;
        case kExitRefused:
            return 2;
        case kExitStopped:
            return 1;
        default:
            return 0;
        }
    };
    return rank(second) > rank(first) ? second : first;
}

inline constexpr const char* kExitCodeTable =
    "Exit status: 0 everything asked for was done; 2 a file could not be read or written or is "
    "not\n"
    "valid, or the command line is wrong; 3 a calculation stopped or gave no finite result, "
    "nothing\n"
    "saved; 4 refused by a rule (rain below 6 GHz, OTHER radio in optimize, a hop the pages would\n"
    "refuse, a route plan or hop file name the route rules refuse). Over several hops the gravest\n"
    "counts: 2, then 4, then 3.";

} // namespace korvel::cli
