// Prints a digest of the model's whole double state after one run for each of
// a few settings, so that two machines, two builds or two variants of the C
// library can be compared bit for bit (the stored indices are floats and
// would hide a change in the last bits).
#include "model_test_support.h"

#include <cstdint>
#include <cstdio>

namespace {

using namespace breathlab;

// FNV-1a over the bytes of every double of the state that the run changes.
std::uint64_t Digest(const LungModel& m, const ResultRecord& r) {
    std::uint64_t h = 1469598103934665603ULL;
    auto add = [&h](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) h = (h ^ bytes[i]) * 1099511628211ULL;
    };
    const double scalars[] = {m.Time, m.TotalVolume, m.TotalVolumeRate, m.LeftBronchusVolume,
                              m.RightBronchusVolume, m.TrachealFlow, m.LeftBronchusFlow,
                              m.RightBronchusFlow, m.PleuralPressure, m.ChestWallRecoil,
                              m.CarinaPressure, m.DeepInspirationDuration, m.CycleStart};
    add(scalars, sizeof scalars);
    add(m.LobeVolume.data(), sizeof m.LobeVolume);
    add(m.CompressionVolume.data(), sizeof m.CompressionVolume);
    add(m.LobeFlow.data(), sizeof m.LobeFlow);
    add(m.PeripheralResistance.data(), sizeof m.PeripheralResistance);
    add(&m.SubstepsIntegrated, sizeof m.SubstepsIntegrated);
    add(&r, sizeof r);
    return h;
}

} // namespace

int main() {
    struct Setting { const char* name; int parameter; float percent; };
    const Setting settings[] = {{"normal", 1, 100}, {"RPeripheral800", 5, 800}, {"Size60", 7, 60},
                                {"Cm50", 8, 50}, {"RMiddle300", 3, 300}};
    for (const Setting& s : settings) {
        const auto history = test::NormalHistory();
        const auto model = test::SettledModel(*history);
        (*history)[1].ParameterBlock[RegionRow(0)][s.parameter - 1] = s.percent;
        RunManoeuvre(*model, *history);
        std::printf("%s %d %016llx\n", s.name, static_cast<int>((*history)[1].RunStatus),
                    static_cast<unsigned long long>(Digest(*model, (*history)[1])));
    }
    return 0;
}
