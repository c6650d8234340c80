#pragma once
// Names parameterised GoogleTest cases after the `name` field of their row.

#include <gtest/gtest.h>

#include <string>

namespace guwen::testing {

struct CaseName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace guwen::testing
