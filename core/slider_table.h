// The nine sliders of the main window: which percentage each edits, its
// scale, and where its value appears in the settings row.
#pragma once

#include <array>

#include "parameter_scales.h"

namespace breathlab {

constexpr int kSliderCount = 9;
constexpr int kExpirationDepthSlider = 9; // expirationDepthSlider

struct SliderSpec {
    const char* Name; // "mainResistanceSlider" .. "expirationDepthSlider"
    // Parameter number 1..8 of the RegionParams row for mainResistanceSlider..lungComplianceSlider;
    // for expirationDepthSlider the GlobalParams entry it edits (1, ExpirationDepth).
    int Parameter;
    SliderScale Scale;
    // Column of the settings row (row 0) of the results table resultsTable;
    // expirationDepthSlider writes the only column of expirationDepthColumn.
    int ResultsColumn;
};

inline constexpr std::array<SliderSpec, kSliderCount> kSliders = {{
    {"mainResistanceSlider", 1, {ScaleKind::LogScale, 100, 500, 200}, 0},       // RMain
    {"deadSpaceSlider", 2, {ScaleKind::HalfScale, 100, 500, 200}, 1},           // VDc
    {"middleResistanceSlider", 3, {ScaleKind::LogScale, 100, 600, 200}, 3},     // RMiddle
    {"middleStiffnessSlider", 4, {ScaleKind::LogScale, 100, 500, 200}, 4},      // StiffMiddle
    {"peripheralResistanceSlider", 5, {ScaleKind::LogScale, 100, 500, 200}, 6}, // RPeripheral
    {"closingCapacitySlider", 6, {ScaleKind::HalfScale, 100, 500, 200}, 7},     // CCC
    {"lungSizeSlider", 7, {ScaleKind::QuarterScale, 100, 500, 300}, 9},         // Size
    {"lungComplianceSlider", 8, {ScaleKind::QuarterScale, 100, 500, 300}, 10},  // Cm
    {"expirationDepthSlider", 1, {ScaleKind::LogScale, 0, 400, 200}, 0},        // ExpirationDepth
}};

// k = 1..9 names TrackBar<k>.
constexpr const SliderSpec& Slider(int k) {
    return kSliders[k - 1];
}

} // namespace breathlab
