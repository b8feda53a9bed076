#include "geo/verdict_method.h"

#include <array>
#include <cstddef>

namespace korvel {

std::string_view verdictMethodName(VerdictMethod method) {
    return kMethodNames[static_cast<std::size_t>(method)];
}

std::optional<VerdictMethod> verdictMethodNamed(std::string_view name) {
    for (std::size_t i = 0; i < kMethodNames.size(); ++i) {
        if (kMethodNames[i] == name) {
            return static_cast<VerdictMethod>(i);
        }
    }
    return std::nullopt;
}

} // namespace korvel
