// The names of the settings as breathlab-cli's --set, share links and
// messages write them.
#pragma once

#include "parameter_set.h"

#include <array>
#include <string_view>

namespace breathlab {

// Parameter k (1..8) is kParameterNames[k - 1].
constexpr std::array<std::string_view, kParameterCount> kParameterNames = {
    "RMain", "VDc", "RMiddle", "StiffMiddle", "RPeripheral", "CCC", "Size", "Cm"};

// Region r (-2..5) is kRegionNames[r + 2].
constexpr std::array<std::string_view, kRegionCount> kRegionNames = {
    "LeftLung",      "RightLung",      "BothLungs",       "UpperLeftLobe",
    "LowerLeftLobe", "UpperRightLobe", "MiddleRightLobe", "LowerRightLobe"};

} // namespace breathlab
