#include "settings_cells.h"

#include "rounding.h"

#include <cmath>
#include <cstdio>

namespace breathlab {

namespace {

constexpr double kLargestFixedPoint = 99999.5; // five integer digits after rounding

float StoredPercent(const ResultRecord& record, int region, int parameter) {
    return record.ParameterBlock[RegionRow(region)][parameter - 1];
}

} // namespace

int SettingsShownSlot(const RunHistory& history) {
    const int selected = history.SelectedRun;
    return (selected >= 0 && selected < kHistorySlots) ? selected : 0;
}

std::string SettingsPercentText(double percent) {
    if (std::isnan(percent)) return "NAN";
    if (std::isinf(percent)) return percent > 0 ? "INF" : "-INF";
    // Rounding to an integer only makes sense, and is only defined, for
    // numbers that fit; larger ones keep five significant digits.
    if (std::fabs(percent) >= kLargestFixedPoint) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4E", percent);
        return text;
    }
    return std::to_string(RoundHalfEven(percent));
}

SettingsCells SettingsCellTexts(const RunHistory& history, StiffnessColumn stiffness) {
    SettingsCells cells;
    const ResultRecord& shown = history.Slots[SettingsShownSlot(history)];
    const ResultRecord& reference = history.Slots[0];
    for (int row = 0; row < kSettingsRegionCount; ++row) {
        const int region = kSettingsRowRegions[row];
        for (int k = 1; k <= kSettingsParameterCount; ++k) {
            if (k == kSettingsStiffnessParameter && stiffness == StiffnessColumn::Empty) continue;
            cells[row][k - 1] = SettingsPercentText(StoredPercent(shown, region, k)) + " (" +
                                SettingsPercentText(StoredPercent(reference, region, k)) + ")";
        }
    }
    return cells;
}

} // namespace breathlab
