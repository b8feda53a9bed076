#pragma once
// Names table-driven test cases after the `name` member of their parameter.

#include <string>

namespace korvel::testing {

struct CaseName {
    template <class ParamInfo> std::string operator()(const ParamInfo& param) const {
        return param.param.name;
    }
};

} // namespace korvel::testing
