#include "geo/verdict_method.h"

#include <array>
#include <cstddef>

namespace korvel {

namespace {

constexpr std::array<std::string_view, 3> kNames{"classic", "p530-17", "p530-18"};

} // namespace

std::string_view verdictMethodName(VerdictMethod method) {
    return kNames[static_cast<std::size_t>(method)];
}

std::optional<VerdictMethod> verdictMethodNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            return static_cast<VerdictMethod>(i);
        }
    }
    return std::nullopt;
}

} // namespace korvel
