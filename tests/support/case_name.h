#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quorvane::testing {

// Names each case of a parameterised test after the `name` field of its parameter.
struct CaseName {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

}  // namespace quorvane::testing
