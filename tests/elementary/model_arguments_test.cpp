// Every argument that a default run and an obstructed run (peripheral airway
// resistance 800 %) pass to the elementary functions, within 1 ulp; MPFR
// decides every case that a long double estimate cannot clear. The model is
// built for this test with the argument capture switched on.
#include "evaluate.h"
#include "flow_solver.h"
#include "model_test_support.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace breathlab {

namespace {
std::vector<double> captured[3];
bool capturing = false; // only the model's calls, not the test's own
}

void elementary::CaptureArgument(int function, double x) {
    if (capturing) captured[function].push_back(x);
}

namespace test {
namespace {

// The distinct arguments of one run of the model with the given percentage of
// one parameter at both lungs.
void CaptureRun(int parameter, float percent) {
    for (auto& c : captured) c.clear();
    const auto history = NormalHistory();
    const auto model = SettledModel(*history);
    (*history)[1].ParameterBlock[RegionRow(0)][parameter - 1] = percent;
    // The arctangent in SIMD lanes gives the scalar function's bits for the
    // same arguments (atan_lanes_test), so the scalar function is the one to
    // hold against MPFR: the lobes are solved one by one here, where it sees them.
    const LobeSolver usual = ActiveLobeSolver();
    UseLobeSolver(SolveLobarFlowsOneByOne);
    capturing = true;
    RunManoeuvre(*model, *history);
    capturing = false;
    UseLobeSolver(usual);
    ASSERT_EQ((*history)[1].RunStatus, 1);
    for (auto& c : captured) {
        std::sort(c.begin(), c.end());
        c.erase(std::unique(c.begin(), c.end()), c.end());
    }
}

// A first, fast estimate of the error in ulps from the C library's long
// double functions (64-bit significands, off by far less than 0.01 of a
// double's ulp). Only what it cannot clear goes to MPFR: tens of millions
// of MPFR evaluations would take many minutes.
double LongDoubleEstimate(Function f, double value, double x) {
    const long double lx = x;
    long double exact;
    switch (f) {
    case Function::Atan: exact = std::atan(lx); break;
    case Function::Sin: exact = std::sin(lx); break;
    case Function::Cos: exact = std::cos(lx); break;
    default: exact = std::cbrt(lx); break;
    }
    int e;
    std::frexp(static_cast<double>(exact), &e);
    return static_cast<double>(std::fabs(value - exact) / std::ldexp(1.0L, e - 53));
}

// Worst ulp error of f over the captured arguments of one function.
double WorstError(Function f, const std::vector<double>& xs, double& worstX) {
    double worst = 0;
    for (double x : xs) {
        const double value = Evaluate(f, x);
        const double estimate = LongDoubleEstimate(f, value, x);
        const double e = estimate < 0.75 ? estimate : UlpError(f, value, x);
        if (!(e <= worst)) {
            worst = e;
            worstX = x;
        }
    }
    return worst;
}

void ExpectEveryArgumentWithinOneUlp(int parameter, float percent) {
    CaptureRun(parameter, percent);
    ASSERT_GT(captured[0].size(), 100000u); // the run did exercise the solver
    ASSERT_GT(captured[1].size(), 1000u);
    ASSERT_GT(captured[2].size(), 1000u);
    const std::pair<Function, int> checks[] = {
        {Function::Atan, 0}, {Function::Sin, 1}, {Function::Cos, 1}, {Function::Cbrt, 2}};
    for (auto [f, i] : checks) {
        double x = 0;
        const double worst = WorstError(f, captured[i], x);
        EXPECT_LE(worst, 1.0) << Name(f) << " at " << std::hexfloat << x;
        std::printf("%s: %zu distinct arguments, worst %.3f ulp\n", Name(f), captured[i].size(), worst);
    }
}

TEST(ElementaryModelArguments, DefaultRun) { ExpectEveryArgumentWithinOneUlp(1, 100); }

TEST(ElementaryModelArguments, ObstructedRun) { ExpectEveryArgumentWithinOneUlp(5, 800); }

} // namespace
} // namespace test
} // namespace breathlab
