// A START after a history has been opened: the reference percentages come from
// its slot 0 and the sliders from its slot 1, as when a stored run is chosen
// again. A run costs much, so the input only changes percentages: patches of
// 6 bytes, one choosing slot 0 or 1, one the percentage (the region table,
// then the further percentages) and four the single-precision value.
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"
#include "history_input.h"

#include "headless_session.h"
#include "slider_bank.h"

#include <cstring>

namespace breathlab {

namespace {

constexpr int kPercentagesPerRecord = kRegionRows * kParameterColumns + kGlobalParams;

float& Percentage(ResultRecord& record, int index) {
    if (index < kRegionRows * kParameterColumns)
        return record.ParameterBlock[index / kParameterColumns][index % kParameterColumns];
    return record.GlobalParamBlock[index - kRegionRows * kParameterColumns];
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
    auto session = std::make_unique<HeadlessSession>(history.Slots.get());
    session->UseReferencePercentages((*history.Slots)[0]);
    session->Start(parameters);
    const float status = session->History()[1].RunStatus;
    FuzzCheck(status == 1 || status == 0 || status == -1, "a run ends with one of its statuses");
}

} // namespace breathlab
