// The model's elementary functions against MPFR: random arguments over the
// whole double range, the awkward ones (zeros, subnormals, the largest
// doubles, infinities, NaN, arguments next to multiples of pi/2) and every
// ratio power of a few log-spaced sweep grids. At most 1 ulp everywhere.
#include "evaluate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace breathlab::test {
namespace {

namespace el = breathlab::elementary;

// Worst error over the arguments, with the argument that reached it.
void ExpectWithinOneUlp(Function f, const std::vector<double>& xs, const std::vector<double>& ys = {}) {
    double worst = 0, worstX = 0, worstY = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double y = ys.empty() ? 0 : ys[i];
        const double e = UlpError(f, Evaluate(f, xs[i], y), xs[i], y);
        if (!(e <= worst)) {
            worst = e;
            worstX = xs[i];
            worstY = y;
        }
    }
    EXPECT_LE(worst, 1.0) << Name(f) << " at x = " << std::hexfloat << worstX << ", y = " << worstY;
    ::testing::Test::RecordProperty(std::string("worst_ulp_") + Name(f), std::to_string(worst));
}

// Magnitudes spread evenly over the binades from 2^lo to 2^hi, both signs.
std::vector<double> LogUniform(std::mt19937_64& rng, int lo, int hi, std::size_t n, bool bothSigns) {
    std::uniform_real_distribution<double> e(lo, hi), m(1, 2);
    std::vector<double> v(n);
    for (double& x : v) {
        x = std::ldexp(m(rng), static_cast<int>(std::floor(e(rng))));
        if (bothSigns && (rng() & 1)) x = -x;
    }
    return v;
}

std::vector<double> Uniform(std::mt19937_64& rng, double lo, double hi, std::size_t n) {
    std::uniform_real_distribution<double> d(lo, hi);
    std::vector<double> v(n);
    for (double& x : v) x = d(rng);
    return v;
}

constexpr std::size_t kRandomCount = 100000;

TEST(ElementaryAccuracy, RandomArgumentsOverTheWholeRange) {
    std::mt19937_64 rng(20261207);
    ExpectWithinOneUlp(Function::Atan, LogUniform(rng, -1074, 1024, kRandomCount, true));
    ExpectWithinOneUlp(Function::Atan, Uniform(rng, -4, 4, kRandomCount));
    for (Function f : {Function::Sin, Function::Cos}) {
        ExpectWithinOneUlp(f, Uniform(rng, -8, 8, kRandomCount));
        ExpectWithinOneUlp(f, LogUniform(rng, -1074, 20, kRandomCount, true));
        ExpectWithinOneUlp(f, LogUniform(rng, 20, 1024, kRandomCount / 4, true));
    }
    ExpectWithinOneUlp(Function::Cbrt, LogUniform(rng, -1074, 1024, kRandomCount, true));
    ExpectWithinOneUlp(Function::Cbrt, Uniform(rng, 0, 8, kRandomCount));
    ExpectWithinOneUlp(Function::Pow, LogUniform(rng, -20, 20, kRandomCount, false),
                       Uniform(rng, 0, 1, kRandomCount));
    // Bases over the whole range with exponents up to 16 that keep the
    // result in the normal range.
    const auto xs = LogUniform(rng, -1022, 1024, kRandomCount, false);
    std::vector<double> ys(xs.size());
    std::uniform_real_distribution<double> share(-1, 1);
    for (std::size_t i = 0; i < xs.size(); ++i)
        ys[i] = share(rng) * std::min(16.0, 1000 / std::abs(std::log2(xs[i]) + 1e-3));
    ExpectWithinOneUlp(Function::Pow, xs, ys);
}

TEST(ElementaryAccuracy, BoundaryArguments) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> xs = {0.0, -0.0, 0x1p-1074, -0x1p-1074, 0x1p-1030, 0x1p-1022, -0x1.fffffffffffffp-1023,
                              1e-300, 1e-20, 1e-8, 15.0 / 128, 1.0 / 128, 1, -1, std::nextafter(1.0, 2.0),
                              64, 128, 0x1p53, 1e22, 0x1p1023, std::numeric_limits<double>::max(),
                              -std::numeric_limits<double>::max(), inf, -inf, nan};
    // Doubles next to multiples of pi/2, the hardest for sine and cosine; the
    // last is the double nearest to a multiple of pi/2 in the whole range.
    for (double m : {1.0, 2.0, 3.0, 4.0, 1000.0, 636619.0, 1e6, 1e15}) {
        const double x = m * 1.5707963267948966;
        for (double d : {std::nextafter(x, 0.0), x, std::nextafter(x, inf)}) xs.push_back(d);
    }
    xs.push_back(std::ldexp(6381956970095103.0, 797));
    xs.push_back(0x1.921fb54442d18p-1);
    xs.push_back(0x1.921fb54442d19p-1);
    for (Function f : {Function::Atan, Function::Sin, Function::Cos, Function::Cbrt}) ExpectWithinOneUlp(f, xs);

    std::vector<double> px, py;
    for (double x : {0.0, 0x1p-1074, 0.5, 1.0, 2.0, 1e300, inf, nan})
        for (double y : {0.0, 0.5, 1.0, -1.0, 3.0, -inf, inf, nan}) {
            px.push_back(x);
            py.push_back(y);
        }
    ExpectWithinOneUlp(Function::Pow, px, py);

    // Signs and exact values that the ulp measure cannot see.
    EXPECT_TRUE(std::signbit(el::Atan(-0.0)));
    EXPECT_TRUE(std::signbit(el::Sin(-0.0)));
    EXPECT_TRUE(std::signbit(el::Cbrt(-0.0)));
    EXPECT_EQ(el::Cbrt(-27.0), -3.0);
    EXPECT_EQ(el::Cbrt(0x1p-1071), 0x1p-357);
    EXPECT_EQ(el::Cos(0.0), 1.0);
    EXPECT_EQ(el::Pow(0.5, 1.0), 0.5);
    EXPECT_EQ(el::Pow(10.0, 0.0), 1.0);
    EXPECT_TRUE(std::isnan(el::Pow(-2.0, 0.5)));
    EXPECT_TRUE(std::isnan(el::Sin(inf)) && std::isnan(el::Cos(-inf)) && std::isnan(el::Sin(nan)));
    EXPECT_EQ(el::Atan(inf), 0x1.921fb54442d18p+0);
    EXPECT_EQ(el::Atan(-inf), -0x1.921fb54442d18p+0);
}

// The percentages of log-spaced sweep axes: From * (To/From)^(i/(n-1)).
TEST(ElementaryAccuracy, PowOfLogSpacedSweepGrids) {
    struct Axis { double from, to; int steps; };
    std::vector<double> xs, ys;
    for (Axis a : {Axis{50, 800, 8}, Axis{75, 125, 8}, Axis{3000, 6000, 3}, Axis{10, 1000, 101},
                   Axis{1, 1e6, 64}, Axis{800, 50, 16}, Axis{99, 101, 1000}, Axis{20, 500, 257}}) {
        for (int i = 0; i < a.steps; ++i) {
            xs.push_back(a.to / a.from);
            ys.push_back(static_cast<double>(i) / (a.steps - 1));
        }
    }
    ExpectWithinOneUlp(Function::Pow, xs, ys);
}

} // namespace
} // namespace breathlab::test
