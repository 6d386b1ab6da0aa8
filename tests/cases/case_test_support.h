// The committed case table and default history, read once per test program.
#pragma once

#include "history_set_io.h"
#include "teaching_case.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace breathlab::test {

inline const std::vector<TeachingCase>& CommittedCases() {
    static const std::vector<TeachingCase> cases = [] {
        std::string error;
        auto read = ReadCaseTable(std::string(BREATHLAB_SOURCE_DIR) + "/" + kCaseTablePath, error);
        EXPECT_TRUE(read) << error;
        return read ? *read : std::vector<TeachingCase>{};
    }();
    return cases;
}

inline const ResultHistory* DefaultHistory() {
    static const std::unique_ptr<ResultHistory> history = [] {
        auto h = std::make_unique<ResultHistory>();
        std::string error;
        const bool ok = ReadHistorySet(
            std::string(BREATHLAB_SOURCE_DIR) + "/datfiles1/standard.dat", *h, error);
        EXPECT_TRUE(ok) << error;
        return h;
    }();
    return history.get();
}

} // namespace breathlab::test
