#include "results_table.h"

#include "number_format.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

constexpr std::array<int, 8> kColumnOfParameter = {0, 1, 3, 4, 6, 7, 9, 10};
constexpr int kStiffMiddle = 4;
constexpr int kExpirationDepthEntry = 1;

} // namespace

int ResultsColumnOfParameter(int parameter) {
    if (parameter < 1 || parameter > static_cast<int>(kColumnOfParameter.size())) return -1;
    return kColumnOfParameter[parameter - 1];
}

void ShowRunRow(ResultsTable& table, int row, const ResultRecord& slot, int currentRegion,
                const QLocale& locale) {
    if (row < 0 || row >= kResultsRows) return;
    const int regionRow = RegionRow(currentRegion);
    if (regionRow < 0 || regionRow >= kRegionRows) return;
    const float* percentages = slot.ParameterBlock[regionRow];
    for (int parameter = 1; parameter <= 8; ++parameter) {
        if (parameter == kStiffMiddle) continue;
        table.Cells[row][ResultsColumnOfParameter(parameter)] =
            FormatTableValue(percentages[parameter - 1], locale);
    }
    table.ExpirationDepth[row] =
        FormatTableValue(slot.GlobalParamBlock[kExpirationDepthEntry - 1], locale);
}

QColor ResultsCellBackground(int row, int selectedRun, const QColor& menuColour) {
    if (row == kReferenceRow) return kTableGrey;
    if (row == selectedRun) return kYellow;
    if (row == kSettingsRow) return kTableGrey;
    return menuColour;
}

bool ResultsCellShowsText(int row, int runCount) {
    return row <= runCount || row == kReferenceRow || row == kSettingsRow;
}

QColor ResultsCellTextColour(int row) {
    return SlotColour(row);
}

} // namespace breathlab
