#pragma once
// Names table-driven cases after their `name` field.

#include <gtest/gtest.h>

#include <string>

namespace korvel::test {

struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& tested) const {
        return tested.param.name;
    }
};

} // namespace korvel::test
