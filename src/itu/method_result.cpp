#include "itu/method_result.h"

#include <array>

#include "geo/verdict_method.h"

namespace korvel::itu {
std::string_view methodName(MethodId method) {
    return kMethodNames[static_cast<std::size_t>(method)];
}

std::optional<MethodId> methodNamed(std::string_view name) {
    for (std::size_t i = 0; i < kMethodNames.size(); ++i)
        if (kMethodNames[i] == name)
            return static_cast<MethodId>(i);
    return std::nullopt;
}

} // namespace korvel::itu
