#include "slider_bank.h"

namespace breathlab {

SliderBank::SliderBank(ParameterSet& params) : params_(params) {
    for (int k = 1; k <= kSliderCount; ++k)
        positions_[k - 1] = Slider(k).Scale.Default;
}

bool SliderBank::SetPosition(int k, int position) {
    const int clamped = Slider(k).Scale.Clamp(position);
    if (clamped == positions_[k - 1]) return false;
    positions_[k - 1] = clamped;
    if (observer_.PositionChanged) observer_.PositionChanged(k, clamped);
    RunHandler(k);
    return true;
}

void SliderBank::RunHandler(int k) {
    if (k == kExpirationDepthSlider)
        OnExpirationDepthChanged();
    else
        OnSliderChanged(k);
}

void SliderBank::OnSliderChanged(int k) {
    const SliderSpec& slider = Slider(k);
    const double percent = ApplyPercentFloor(slider.Scale.PercentAt(Position(k)));
    params_.At(params_.CurrentRegion, slider.Parameter) = percent;
    if (observer_.SettingsCellChanged)
        observer_.SettingsCellChanged({SettingsGrid::ResultsTable, slider.ResultsColumn, percent});
    if (observer_.ShowDescription) observer_.ShowDescription(k);
}

void SliderBank::OnExpirationDepthChanged() {
    const SliderSpec& slider = Slider(kExpirationDepthSlider);
    const double percent =
        ApplyPercentFloor(slider.Scale.PercentAt(Position(kExpirationDepthSlider)));
    params_.GlobalParams[slider.Parameter - 1] = percent;
    if (observer_.SettingsCellChanged)
        observer_.SettingsCellChanged(
            {SettingsGrid::ExpirationDepth, slider.ResultsColumn, percent});
}

SliderGroupControls SliderBank::SelectSliderGroup(int n) {
    params_.SliderGroup = n;
    return EnabledControls(n);
}

bool SliderBank::LoadSlidersFromSlot(const ResultHistory& history, int slot) {
    if (slot == -1) slot = 0;
    if (slot < 0 || slot >= kHistorySlots) return false;
    const ResultRecord& record = history[slot];
    for (int region = kLeftLung; region < kLeftLung + kRegionCount; ++region)
        for (int parameter = 1; parameter <= kParameterCount; ++parameter)
            params_.At(region, parameter) = record.ParameterBlock[RegionRow(region)][parameter - 1];
    // A slider that does not move leaves the loaded value as it is, even one
    // that the slider cannot show exactly.
    for (int k = 1; k <= kParameterCount; ++k)
        SetPosition(k, Slider(k).Scale.PositionFor(params_.At(params_.CurrentRegion, k)));
    const SliderSpec& depth = Slider(kExpirationDepthSlider);
    SetPosition(kExpirationDepthSlider,
                depth.Scale.PositionFor(record.GlobalParamBlock[depth.Parameter - 1]));
    return true;
}

void SliderBank::ResetSliders() {
    for (int k = 1; k <= kSliderCount; ++k)
        SetPosition(k, Slider(k).Scale.Default);
    if (observer_.ClearDescription) observer_.ClearDescription();
}

void SliderBank::ResetAll() {
    ResetSliders();
    params_.SetAll(100.0);
}

} // namespace breathlab
