// The range a refused percentage is told to keep to: a user who types either
// bound it names must have it accepted, and a value just beyond it refused.
#include "cli_arguments.h"

#include <gtest/gtest.h>

#include <regex>

namespace breathlab {
namespace {

TEST(StorableBounds, TheBoundsARefusalNamesAreAccepted) {
    std::string error;
    ASSERT_FALSE(ParseSetting("RMain=1e300", error));
    std::smatch bounds;
    ASSERT_TRUE(std::regex_search(error, bounds, std::regex("from (\\S+) to (\\S+)$"))) << error;
    for (const std::string bound : {bounds[1].str(), bounds[2].str()})
        EXPECT_TRUE(ParseSetting("RMain=" + bound, error)) << bound << ": " << error;
    // The limits of single precision in nine digits, rounded to nearest,
    // lie just outside; texts with more digits inside them are accepted.
    for (const char* outside : {"1.17549435e-38", "3.40282347e+38", "1e-38", "3.5e38"})
        EXPECT_FALSE(ParseSetting(std::string("RMain=") + outside, error)) << outside;
    for (const char* inside : {"1.1754943508222875e-38", "3.4028234663852886e+38"})
        EXPECT_TRUE(ParseSetting(std::string("RMain=") + inside, error)) << inside;
}

} // namespace
} // namespace breathlab
