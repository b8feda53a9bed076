#include "itu/method_result.h"

#include <array>

namespace korvel::itu {
namespace {

constexpr std::array<std::string_view, 3> kNames{"classic", "p530-17", "p530-18"};

} // namespace

std::string_view methodName(MethodId method) {
    return kNames[static_cast<std::size_t>(method)];
}

std::optional<MethodId> methodNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<MethodId>(i);
    return std::nullopt;
}

} // namespace korvel::itu
