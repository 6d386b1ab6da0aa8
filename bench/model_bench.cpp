// Cost of the model: one millisecond step at three accuracy levels, and whole
// examinations for a normal subject and two pathological ones, with the lobes
// solved the usual way (in SIMD lanes where the processor allows) and one by one.
#include "flow_solver.h"
#include "session.h"
#include "lung_model.h"
#include "parameter_record.h"
#include "simulation_run.h"
#include "step_model.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace breathlab;

struct Settled {
    std::unique_ptr<LungModel> model = std::make_unique<LungModel>();
    std::unique_ptr<ResultHistory> history = std::make_unique<ResultHistory>();
    Settled() {
        for (ResultRecord& r : *history)
            for (float& g : r.GlobalParamBlock) g = 100;
        ResetModel(*model, *history);
    }
};

const Settled& SettledState() {
    static const Settled settled;
    return settled;
}

void BM_StepModel(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    LungModel m = *SettledState().model;
    m.AccuracyLevel = level;
    const LungModel start = m;
    std::int64_t steps = 0;
    for (auto _ : state) {
        // Restart from the settled state now and then, so the model stays near rest.
        if (++steps % 1000 == 0) m = start;
        // StepModel lives in another translation unit, so the call cannot be
        // optimised away; benchmark::DoNotOptimize on a member double miscompiles
        // with this compiler and library (it stored garbage into the state).
        StepModel(m);
    }
    state.counters["failed"] = m.NumericalFailure;
    const double substeps = static_cast<double>(SubstepTable[level]);
    state.counters["substeps/step"] = substeps;
    state.counters["ns/substep"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * substeps,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_StepModel)->Arg(1)->Arg(4)->Arg(7)->Unit(benchmark::kNanosecond);

// solver: the lobes' way, when not the one the processor chose.
void BM_Examination(benchmark::State& state, int parameter, double percent, LobeSolver solver = nullptr) {
    const Settled& settled = SettledState();
    const LobeSolver usual = ActiveLobeSolver();
    if (solver) UseLobeSolver(solver);
    ParameterSet parameters;
    parameters.At(kBothLungs, parameter) = percent;
    auto model = std::make_unique<LungModel>();
    auto history = std::make_unique<ResultHistory>();
    std::int64_t substeps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        *model = *settled.model;
        *history = *settled.history;
        ClearRunTraces((*history)[1]);
        StoreParameterSet((*history)[1], parameters);
        state.ResumeTiming();
        RunManoeuvre(*model, *history);
        substeps += model->SubstepsIntegrated;
    }
    UseLobeSolver(usual);
    const double runs = static_cast<double>(state.iterations());
    state.counters["status"] = (*history)[1].RunStatus;
    state.counters["substeps/run"] = static_cast<double>(substeps) / runs;
    state.counters["ns/substep"] = benchmark::Counter(
        static_cast<double>(substeps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_Examination, normal, 1, 100.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Examination, peripheral_resistance_800, 5, 800.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Examination, lung_size_50, 7, 50.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Examination, normal_lobes_one_by_one, 1, 100.0, SolveLobarFlowsOneByOne)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Examination, peripheral_resistance_800_lobes_one_by_one, 5, 800.0, SolveLobarFlowsOneByOne)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Examination, normal_lobes_in_turns, 1, 100.0, SolveLobarFlowsInTurns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Examination, peripheral_resistance_800_lobes_in_turns, 5, 800.0, SolveLobarFlowsInTurns)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
