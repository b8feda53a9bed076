#pragma once
// What every fuzz target needs: a sink the optimiser cannot remove, a stop on a broken
// property, and Messages that answer every box silently (platform/silent_messages.h).

#include <cstdint>
#include <string_view>

#include "platform/silent_messages.h"

namespace korvel::fuzz {

// Keeps a computed value observable, so the work that produced it stays in the program.
inline void keep(std::uint64_t value) {
    static volatile std::uint64_t sink = 0;
    sink = sink + value;
}

// A property that must hold for every input; a violation is a finding.
inline void require(bool property) {
    if (!property) {
        __builtin_trap();
    }
}

} // namespace korvel::fuzz
