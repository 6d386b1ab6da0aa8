// Which sliders and scale labels a selected panel makes usable. Only one
// panel is live at a time, so a student changes one part of the airway tree
// at a time.
#pragma once

#include <array>

namespace breathlab {

constexpr int kNoSliderGroup = 0;
constexpr int kMainGroup = 1;   // mainGroupPanel: mainResistanceSlider
constexpr int kHiddenGroup = 2; // hiddenGroupPanel: nothing
constexpr int kMiddleGroup = 3; // middleGroupPanel: deadSpaceSlider, middleResistanceSlider
constexpr int kPeripheralGroup =
    4; // peripheralGroupPanel: peripheralResistanceSlider, closingCapacitySlider
constexpr int kLungsGroup = 5; // lungsGroupPanel: lungSizeSlider, lungComplianceSlider

// The group whose panel holds TrackBar<k> (k = 1..8); 0 for middleStiffnessSlider, the
// stiffness slider, which no group enables.
int GroupOfSlider(int k);

struct SliderGroupControls {
    std::array<bool, 8> Sliders{}; // mainResistanceSlider..lungComplianceSlider
    std::array<bool, 8>
        ScaleLabels{}; // the labels beside TrackBar<k>; 7 and 8 share one column
                       // and middleStiffnessSlider has none, so its entry stays false
    bool SliderEnabled(int k) const { return Sliders[k - 1]; }
    bool ScaleLabelsEnabled(int k) const { return ScaleLabels[k - 1]; }
};

// The enabled state of every slider and label column for SliderGroup n;
// expirationDepthSlider belongs to no group and is not listed.
SliderGroupControls EnabledControls(int sliderGroup);

} // namespace breathlab
