// The working parameter set behind the sliders: percentages for 8 regions by
// 8 parameters and 20 further percentages. In the reference slot they are
// percentages of normal, in run slots percentages of the reference.
#pragma once

#include <array>

namespace breathlab {

// Regions: -2 left lung, -1 right lung, 0 both lungs, 1..5 the lobes.
constexpr int kLeftLung = -2;
constexpr int kRightLung = -1;
constexpr int kBothLungs = 0;
constexpr int kRegionCount = 8;
constexpr int kParameterCount = 8; // RMain, VDc, RMiddle, StiffMiddle, RPeripheral, CCC, Size, Cm
constexpr int kGlobalParamCount = 20;

struct ParameterSet {
    // RegionParams[region + 2][parameter - 1]
    std::array<std::array<double, kParameterCount>, kRegionCount> RegionParams;
    // GlobalParams[entry - 1]; entry 1 is ExpirationDepth
    std::array<double, kGlobalParamCount> GlobalParams;
    int CurrentRegion = kBothLungs; // never changes: the sliders always edit both lungs
    int SliderGroup = 0;            // 0 none, 1 MAIN, 2 hidden, 3 MIDDLE, 4 PERIPHERAL, 5 LUNGS

    ParameterSet() { SetAll(100.0); }
    void SetAll(double percent) {
        for (auto& row : RegionParams) row.fill(percent);
        GlobalParams.fill(percent);
    }
    double& At(int region, int parameter) { return RegionParams[region + 2][parameter - 1]; }
    double At(int region, int parameter) const { return RegionParams[region + 2][parameter - 1]; }
};

} // namespace breathlab
