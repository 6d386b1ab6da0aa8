// The arctangent in SIMD lanes against the scalar one, bit for bit: every
// path (tail and direct polynomials, table, large arguments) and the edges
// between them, signed zeros, subnormals, infinities and NaN, in lanes that
// mix paths. Compiled here for the baseline instruction set: the formula, not
// the instruction set, is what could differ.
#include "lanes.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace breathlab::elementary {
namespace {

std::vector<double> EdgeArguments() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<double> xs = {0.0, std::numeric_limits<double>::denorm_min(), 0x1p-1022, 0x1p-30, 1.0, 1e300,
                              std::numeric_limits<double>::max(), inf, std::numeric_limits<double>::quiet_NaN()};
    // Each side of every switch between paths, and a table entry's edges.
    for (double edge : {1.0 / 128, 1.0 / 16, 64.0, 1.0 + 1.0 / 32, 0.75, 63.5}) {
        xs.push_back(std::nextafter(edge, 0.0));
        xs.push_back(edge);
        xs.push_back(std::nextafter(edge, inf));
    }
    const std::size_t n = xs.size();
    for (std::size_t i = 0; i < n; ++i) xs.push_back(-xs[i]);
    return xs;
}

// Magnitudes spread over the binades 2^-12 .. 2^10, so that every path is
// hit often, with random signs.
std::vector<double> RandomArguments(std::size_t n) {
    std::mt19937_64 rng(24);
    std::uniform_real_distribution<double> exponent(-12, 10);
    std::vector<double> xs(n);
    for (double& x : xs) x = (rng() & 1 ? -1 : 1) * std::exp2(exponent(rng));
    return xs;
}

void ExpectLanesGiveScalarBits(const std::vector<double>& xs) {
    for (std::size_t start = 0; start < xs.size(); start += kLaneCount) {
        Lanes x = Splat(0.5);
        for (int lane = 0; lane < kLaneCount && start + lane < xs.size(); ++lane) x[lane] = xs[start + lane];
        const Lanes y = Atan(x);
        for (int lane = 0; lane < kLaneCount; ++lane)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(y[lane]), std::bit_cast<std::uint64_t>(Atan(x[lane])))
                << std::hexfloat << "x = " << x[lane];
    }
}

TEST(AtanLanes, EdgesOfEveryPathGiveTheScalarBits) { ExpectLanesGiveScalarBits(EdgeArguments()); }

TEST(AtanLanes, RandomArgumentsGiveTheScalarBits) { ExpectLanesGiveScalarBits(RandomArguments(200000)); }

TEST(AtanLanes, NaNStaysNaNAndZerosKeepTheirSign) {
    Lanes x = Splat(-0.0);
    x[1] = std::numeric_limits<double>::quiet_NaN();
    const Lanes y = Atan(x);
    EXPECT_TRUE(std::signbit(y[0]) && y[0] == 0);
    EXPECT_TRUE(std::isnan(y[1]));
}

} // namespace
} // namespace breathlab::elementary
