// Which sliders and scale labels a selected panel makes usable. Only one
// panel is live at a time, so a student changes one part of the airway tree
// at a time.
#pragma once

#include <array>

namespace breathlab {

constexpr int kNoSliderGroup = 0;
constexpr int kMainGroup = 1;       // Panel1: TrackBar1
constexpr int kHiddenGroup = 2;     // Panel8: nothing
constexpr int kMiddleGroup = 3;     // Panel2: TrackBar2, TrackBar3
constexpr int kPeripheralGroup = 4; // Panel3: TrackBar5, TrackBar6
constexpr int kLungsGroup = 5;      // Panel4: TrackBar7, TrackBar8

// The group whose panel holds TrackBar<k> (k = 1..8); 0 for TrackBar4, the
// stiffness slider, which no group enables.
int GroupOfSlider(int k);

struct SliderGroupControls {
    std::array<bool, 8> Sliders{};     // TrackBar1..TrackBar8
    std::array<bool, 8> ScaleLabels{}; // the labels beside TrackBar<k>; 7 and 8 share one column
                                       // and TrackBar4 has none, so its entry stays false
    bool SliderEnabled(int k) const { return Sliders[k - 1]; }
    bool ScaleLabelsEnabled(int k) const { return ScaleLabels[k - 1]; }
};

// The enabled state of every slider and label column for SliderGroup n;
// TrackBar9 belongs to no group and is not listed.
SliderGroupControls EnabledControls(int sliderGroup);

} // namespace breathlab
