// The nine sliders of the main window: which percentage each edits, its
// scale, and where its value appears in the settings row.
#pragma once

#include <array>

#include "parameter_scales.h"

namespace breathlab {

constexpr int kSliderCount = 9;
constexpr int kExpirationDepthSlider = 9; // TrackBar9

struct SliderSpec {
    const char* Name; // "TrackBar1" .. "TrackBar9"
    // Parameter number 1..8 of the RegionParams row for TrackBar1..TrackBar8;
    // for TrackBar9 the GlobalParams entry it edits (1, ExpirationDepth).
    int Parameter;
    SliderScale Scale;
    // Column of the settings row (row 0) of the results table StringGrid2;
    // TrackBar9 writes the only column of StringGrid3.
    int ResultsColumn;
};

inline constexpr std::array<SliderSpec, kSliderCount> kSliders = {{
    {"TrackBar1", 1, {ScaleKind::LogScale, 100, 500, 200}, 0},      // RMain
    {"TrackBar2", 2, {ScaleKind::HalfScale, 100, 500, 200}, 1},     // VDc
    {"TrackBar3", 3, {ScaleKind::LogScale, 100, 600, 200}, 3},      // RMiddle
    {"TrackBar4", 4, {ScaleKind::LogScale, 100, 500, 200}, 4},      // StiffMiddle
    {"TrackBar5", 5, {ScaleKind::LogScale, 100, 500, 200}, 6},      // RPeripheral
    {"TrackBar6", 6, {ScaleKind::HalfScale, 100, 500, 200}, 7},     // CCC
    {"TrackBar7", 7, {ScaleKind::QuarterScale, 100, 500, 300}, 9},  // Size
    {"TrackBar8", 8, {ScaleKind::QuarterScale, 100, 500, 300}, 10}, // Cm
    {"TrackBar9", 1, {ScaleKind::LogScale, 0, 400, 200}, 0},        // ExpirationDepth
}};

// k = 1..9 names TrackBar<k>.
constexpr const SliderSpec& Slider(int k) {
    return kSliders[k - 1];
}

} // namespace breathlab
