// The nine sliders as positions, without widgets, and what happens when one
// moves: the working parameter set follows, the settings row of the results
// table shows the new percentage and the description panel explains the
// parameter. The window mirrors Position(k) into its sliders and passes the
// user's moves to SetPosition.
#pragma once

#include <array>
#include <functional>
#include <utility>

#include "parameter_set.h"
#include "result_record.h"
#include "slider_groups.h"
#include "slider_table.h"

namespace breathlab {

enum class SettingsGrid {
    ResultsTable,    // resultsTable, row 0
    ExpirationDepth, // expirationDepthColumn, row 0
};

// A percentage to show in the settings row; the caller writes "   " and the
// value with 5 significant digits and no decimals, as for the run rows.
struct SettingsCellUpdate {
    SettingsGrid Grid;
    int Column;
    double Percent;
};

// Any member may be left empty.
struct SliderBankObserver {
    std::function<void(int slider, int position)> PositionChanged; // mirror into TrackBar<slider>
    std::function<void(const SettingsCellUpdate&)> SettingsCellChanged;
    std::function<void(int block)> ShowDescription;
    std::function<void()> ClearDescription;
};

class SliderBank {
  public:
    // The bank edits params, which must outlive it. The sliders start at
    // their default positions, which match a parameter set of all 100.
    explicit SliderBank(ParameterSet& params);

    void SetObserver(SliderBankObserver observer) { observer_ = std::move(observer); }

    int Position(int k) const { return positions_[k - 1]; }

    // Moves TrackBar<k> (clamped to its range). Only a real move runs the
    // slider's change handler; returns whether it moved.
    bool SetPosition(int k, int position);

    // Change handler of mainResistanceSlider..lungComplianceSlider.
    void OnSliderChanged(int k);
    // Change handler of expirationDepthSlider.
    void OnExpirationDepthChanged();

    SliderGroupControls SelectSliderGroup(int n);

    // Brings the parameter set of history slot -1..4 (-1 meaning the
    // reference, 0) into RegionParams and the sliders. Other slots are
    // ignored and give false.
    bool LoadSlidersFromSlot(const ResultHistory& history, int slot);

    void ResetSliders();
    void ResetAll();

  private:
    void RunHandler(int k);

    ParameterSet& params_;
    std::array<int, kSliderCount> positions_;
    SliderBankObserver observer_;
};

} // namespace breathlab
