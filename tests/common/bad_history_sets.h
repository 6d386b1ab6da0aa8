// History sets no reader may accept, shared by the tests of breathlab-cli's,
// the window's and the page's readers so that all three meet the same table.
// Each spoils one field of a usable set; the reader must refuse it with a
// message that names the field and leave its history as it was.
#pragma once

#include "usable_history.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace breathlab {

struct BadHistorySet {
    std::string Name;
    std::function<void(ResultHistory&)> Spoil;
    std::string Named; // what the message must contain
};

inline std::vector<BadHistorySet> BadHistoryContents() {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    constexpr float kDenormal = std::numeric_limits<float>::denorm_min();
    return {
        {"NaN setting", [=](ResultHistory& h) { h[0].ParameterBlock[2][0] = kNaN; },
         "record 0 (the reference): the setting RMain of BothLungs is NaN"},
        {"infinite further setting", [=](ResultHistory& h) { h[2].GlobalParamBlock[2] = kInfinity; },
         "record 2 (run 2): the setting G3 is Infinity"},
        {"negative setting", [](ResultHistory& h) { h[1].ParameterBlock[0][1] = -5.0f; },
         "the setting VDc of LeftLung is -5"},
        {"zero setting", [](ResultHistory& h) { h[4].ParameterBlock[7][7] = 0.0f; },
         "the setting Cm of LowerRightLobe is 0"},
        {"denormal setting", [=](ResultHistory& h) { h[3].ParameterBlock[4][4] = kDenormal; },
         "the setting RPeripheral of LowerLeftLobe is 1.40129846e-45"},
        {"NaN index", [=](ResultHistory& h) { h[3].FEV1 = kNaN; }, "record 3 (run 3): FEV1 is NaN"},
        {"infinite trace point", [=](ResultHistory& h) { h[4].VolumeTrace[17] = -kInfinity; },
         "VolumeTrace[17] is -Infinity"},
        {"NaN in an unused column", [=](ResultHistory& h) { h[1].ParameterBlock[5][12] = kNaN; },
         "ParameterBlock[5][12] is NaN"},
        {"every byte 0xFF", [](ResultHistory& h) { std::memset(&h, 0xff, sizeof h); },
         "the setting RMain of LeftLung is NaN"},
    };
}

// The history sets the program wrote itself and ships (the default history
// and the case files), which every reader must take exactly as they are.
inline std::vector<std::filesystem::path> ShippedHistorySets(const std::filesystem::path& source) {
    std::vector<std::filesystem::path> sets = {source / "datfiles1" / "standard.dat"};
    for (const auto& entry : std::filesystem::directory_iterator(source / "cases" / "library"))
        if (entry.path().extension() == ".spi") sets.push_back(entry.path());
    return sets;
}

} // namespace breathlab
