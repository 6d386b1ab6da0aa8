#include "slider_groups.h"

namespace breathlab {

int GroupOfSlider(int k) {
    static constexpr std::array<int, 8> groups = {
        kMainGroup,       kMiddleGroup,     kMiddleGroup, kNoSliderGroup,
        kPeripheralGroup, kPeripheralGroup, kLungsGroup,  kLungsGroup};
    return groups[k - 1];
}

SliderGroupControls EnabledControls(int sliderGroup) {
    SliderGroupControls controls;
    for (int k = 1; k <= 8; ++k) {
        const int group = GroupOfSlider(k);
        const bool enabled = group != kNoSliderGroup && group == sliderGroup;
        controls.Sliders[k - 1] = enabled;
        controls.ScaleLabels[k - 1] = enabled;
    }
    return controls;
}

} // namespace breathlab
