// The lobes solved side by side in SIMD lanes, and in turns, give, call by
// call, the bits of the lobes solved one by one, over whole runs: every
// setting of the paired benchmark (bench/settings.txt) and random patients of
// every case family of the library. Each solver call is made every way on the
// same state; the run goes on with the one-by-one result.
#include "case_runs.h"
#include "case_test_support.h"
#include "flow_solver.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

namespace breathlab {
namespace {

struct Comparison {
    long calls = 0;
    long differences = 0;
};
Comparison comparison;

// What a solver call writes into the model, and its probe flows.
struct SolverOutputs {
    std::array<std::uint8_t, kLobeCount> flowLimited;
    std::array<double, kLobeCount> lobeFlow, effectiveResistance, probe;
    bool failure;

    static SolverOutputs Of(const LungModel& m, const double* probe) {
        SolverOutputs o{};
        for (int j = 0; j < kLobeCount; ++j) {
            o.flowLimited[j] = m.FlowLimited[j];
            o.lobeFlow[j] = m.LobeFlow[j];
            o.effectiveResistance[j] = m.EffectiveSegmentResistance[j];
            if (probe) o.probe[j] = probe[j];
        }
        o.failure = m.NumericalFailure;
        return o;
    }
    void RestoreInto(LungModel& m, double* probe) const {
        for (int j = 0; j < kLobeCount; ++j) {
            m.FlowLimited[j] = flowLimited[j];
            m.LobeFlow[j] = lobeFlow[j];
            m.EffectiveSegmentResistance[j] = effectiveResistance[j];
            if (probe) probe[j] = this->probe[j];
        }
        m.NumericalFailure = failure;
    }
    bool SameBits(const SolverOutputs& other) const {
        auto same = [](const std::array<double, kLobeCount>& a, const std::array<double, kLobeCount>& b) {
            for (int j = 0; j < kLobeCount; ++j)
                if (std::bit_cast<std::uint64_t>(a[j]) != std::bit_cast<std::uint64_t>(b[j])) return false;
            return true;
        };
        return flowLimited == other.flowLimited && same(lobeFlow, other.lobeFlow) &&
               same(effectiveResistance, other.effectiveResistance) && same(probe, other.probe) &&
               failure == other.failure;
    }
};

// The faster ways the processor can take.
std::vector<LobeSolver> FastWays() {
    std::vector<LobeSolver> ways = {SolveLobarFlowsInTurns};
    if (LobeLanesAvailable()) ways.push_back(SolveLobarFlowsInLanes);
    return ways;
}

void SolveEveryWay(LungModel& m, const SubstepConductances& g, SolverMode mode, double x, double left,
                   double right, double* probe) {
    static const std::vector<LobeSolver> fastWays = FastWays();
    const SolverOutputs before = SolverOutputs::Of(m, probe);
    std::vector<SolverOutputs> fast;
    for (LobeSolver way : fastWays) {
        way(m, g, mode, x, left, right, probe);
        fast.push_back(SolverOutputs::Of(m, probe));
        before.RestoreInto(m, probe);
    }
    SolveLobarFlowsOneByOne(m, g, mode, x, left, right, probe);
    ++comparison.calls;
    for (const SolverOutputs& outputs : fast)
        if (!outputs.SameBits(SolverOutputs::Of(m, probe))) ++comparison.differences;
}

// Runs the patient with every solver call made every way.
void ExpectFastWaysMatch(const ParameterSet& patient, const std::string& name) {
    const LobeSolver usual = ActiveLobeSolver();
    UseLobeSolver(SolveEveryWay);
    comparison = {};
    RunPatient(patient, test::DefaultHistory());
    UseLobeSolver(usual);
    EXPECT_GT(comparison.calls, 100000) << name;
    EXPECT_EQ(comparison.differences, 0) << name << ", of " << comparison.calls << " calls";
}

ParameterSet FromSettingsLine(const std::string& line) {
    ParameterSet p;
    std::istringstream words(line);
    std::string word, error;
    while (words >> word) {
        if (word == "--set") continue;
        const auto setting = ParseSetting(word, error);
        EXPECT_TRUE(setting) << error;
        if (setting) ApplySetting(*setting, p);
    }
    return p;
}

TEST(LobeLanes, BenchmarkSettingsGiveTheOneByOneBits) {
    std::ifstream settings(std::string(BREATHLAB_SOURCE_DIR) + "/bench/settings.txt");
    int count = 0;
    for (std::string line; std::getline(settings, line);) {
        if (line.empty() || line[0] == '#') continue;
        ExpectFastWaysMatch(FromSettingsLine(line), line);
        ++count;
    }
    EXPECT_EQ(count, 23);
}

TEST(LobeLanes, RandomPatientsOfTheCaseFamiliesGiveTheOneByOneBits) {
    int families = 0;
    for (const TeachingCase& c : test::CommittedCases()) {
        if (c.Family.empty()) continue;
        ++families;
        for (std::uint32_t seed : {24u, 2026u}) ExpectFastWaysMatch(c.FamilyMember(seed), c.Name + " seed " + std::to_string(seed));
    }
    EXPECT_GT(families, 0);
}

} // namespace
} // namespace breathlab
