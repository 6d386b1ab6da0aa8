// A START after a history has been opened: the reference percentages come from
// its slot 0 and the sliders from its slot 1, as when a stored run is chosen
// again. The input only changes percentages: patches of 6 bytes, one choosing
// slot 0 or 1, one the percentage (the region table, then the further
// percentages) and four the single-precision value.
//
// A whole examination takes some 265,000 substeps, and a numerical failure
// 2.5 s of settling more; under the sanitizers that left the fuzzer about one
// input a second. The harness therefore settles the start-up model once and
// copies it for every input (so a failed run needs no reset afterwards), and
// bounds each run to its first 100 model milliseconds (15,000 substeps at the
// finest accuracy): the conversion of the percentages into model parameters
// and the whole ramp towards them, where strange percentages meet the solver.
// That is some 3,000 inputs a minute on a busy machine.
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"
#include "history_input.h"

#include "parameter_record.h"
#include "simulation_run.h"
#include "slider_bank.h"

#include <cstring>

namespace breathlab {

namespace {

constexpr int kPercentagesPerRecord = kRegionRows * kParameterColumns + kGlobalParams;

// Model seconds of each fuzzed run.
constexpr double kFuzzRunSeconds = 0.1;

float& Percentage(ResultRecord& record, int index) {
    if (index < kRegionRows * kParameterColumns)
        return record.ParameterBlock[index / kParameterColumns][index % kParameterColumns];
    return record.GlobalParamBlock[index - kRegionRows * kParameterColumns];
}

// The model after the start-up reset; the same for every input.
const LungModel& SettledModel() {
    static const auto settled = [] {
        auto model = std::make_unique<LungModel>();
        ResetModelState(*model);
        return model;
    }();
    return *settled;
}

// What start-up and START do to an opened history: the reset sets every
// region percentage to 100, the reference's come back from the file, and the
// sliders' go into the working slot.
void PrepareStart(ResultHistory& slots, const ResultRecord& opened, const ParameterSet& sliders) {
    for (ResultRecord& r : slots)
        for (auto& row : r.ParameterBlock)
            for (int col = 0; col < kParameterCount; ++col) row[col] = 100;
    std::memcpy(slots[0].ParameterBlock, opened.ParameterBlock, sizeof opened.ParameterBlock);
    std::memcpy(slots[0].GlobalParamBlock, opened.GlobalParamBlock, sizeof opened.GlobalParamBlock);
    ClearRunTraces(slots[1]);
    StoreParameterSet(slots[1], sliders);
}

} // namespace

void FuzzHistoryStart(const std::uint8_t* data, std::size_t size) {
    FuzzBytes none(nullptr, 0);
    const FuzzHistory history = HistoryFromInput(none);
    FuzzBytes input(data, size);
    while (input.Remaining() >= 6) {
        const int slot = input.TakeByte() & 1;
        const int index = input.TakeByte() % kPercentagesPerRecord;
        const std::uint32_t bits = input.TakeWord();
        std::memcpy(&Percentage((*history.Slots)[slot], index), &bits, sizeof bits);
    }

    ParameterSet parameters;
    SliderBank bank(parameters);
    bank.LoadSlidersFromSlot(*history.Slots, 1);
    auto slots = std::make_unique<ResultHistory>(*history.Slots);
    PrepareStart(*slots, (*history.Slots)[0], parameters);
    auto model = std::make_unique<LungModel>(SettledModel());
    model->RunTimeLimit = kFuzzRunSeconds;
    model->ResetAfterFailure = false; // the copy goes after this one run
    RunManoeuvre(*model, *slots);
    const float status = (*slots)[1].RunStatus;
    FuzzCheck(status == 1 || status == 0 || status == -1, "a run ends with one of its statuses");
}

} // namespace breathlab
