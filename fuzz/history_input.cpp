#include "history_input.h"

#include <cstring>
#include <fstream>

namespace breathlab {

namespace {

// The scalars after the lobe traces: indices, status, parameters.
constexpr std::size_t kTailStart = offsetof(ResultRecord, TrachealTurbulentCoefficientAtLastSample);
constexpr std::size_t kTailLength = sizeof(ResultRecord) - kTailStart;

const ResultHistory& DefaultHistory() {
    static const auto history = [] {
        auto loaded = std::make_unique<ResultHistory>();
        std::memset(loaded.get(), 0, sizeof(ResultHistory));
        std::ifstream file(BREATHLAB_SOURCE_DIR "/datfiles1/standard.dat", std::ios::binary);
        file.read(reinterpret_cast<char*>(loaded.get()), sizeof(ResultHistory));
        FuzzCheck(file.gcount() == sizeof(ResultHistory), "the default history is readable");
        // The shipped set holds only the reference; copies of it stand for
        // stored runs, so that every slot starts out holding a whole run.
        for (int slot = 1; slot < kHistorySlots; ++slot) (*loaded)[slot] = (*loaded)[0];
        return loaded;
    }();
    return *history;
}

std::size_t PatchOffset(std::uint32_t place) {
    const std::size_t slot = place % kHistorySlots;
    place /= kHistorySlots;
    const bool inTail = place & 1;
    place >>= 1;
    const std::size_t within = inTail ? kTailStart + place % (kTailLength - 3)
                                      : place % (sizeof(ResultRecord) - 3);
    return slot * sizeof(ResultRecord) + within;
}

} // namespace

FuzzHistory HistoryFromInput(FuzzBytes& input) {
    FuzzHistory history;
    *history.Slots = DefaultHistory();
    const std::uint8_t cleared = input.TakeByte();
    for (int slot = 0; slot < kHistorySlots; ++slot)
        if (cleared & (1u << slot))
            std::memset(&(*history.Slots)[slot], 0, sizeof(ResultRecord));
    history.Choice = input.TakeByte();
    auto* bytes = reinterpret_cast<unsigned char*>(history.Slots.get());
    while (input.Remaining() >= 8) {
        const std::size_t offset = PatchOffset(input.TakeWord());
        const std::uint32_t value = input.TakeWord();
        std::memcpy(bytes + offset, &value, sizeof value);
    }
    return history;
}

} // namespace breathlab
