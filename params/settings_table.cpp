#include "settings_table.h"

#include "rounding.h"

#include <cmath>

namespace breathlab {

namespace {

constexpr int kStiffnessColumn = 4;
constexpr double kLargestFixedPoint = 99999.5; // five integer digits after rounding

const std::array<QString, kSettingsTableColumns> kColumnHeaders = {QString(),
                                                                   QStringLiteral("R"),
                                                                   QStringLiteral("VDc"),
                                                                   QStringLiteral("R(1/swiat)"),
                                                                   QStringLiteral("--stiff--"),
                                                                   QStringLiteral("OBW. R(1/swia)"),
                                                                   QStringLiteral("CCC"),
                                                                   QStringLiteral("Rozmiar"),
                                                                   QStringLiteral("Cm")};

const std::array<QString, kSettingsTableRows - 1> kRowHeaders = {
    QStringLiteral("Both lungs"),      QStringLiteral("Left lung"),
    QStringLiteral("Right lung"),      QStringLiteral("Upper Left L."),
    QStringLiteral("Lower Left L."),   QStringLiteral("Upper Right L."),
    QStringLiteral("Middle Right L."), QStringLiteral("Lower Right L.")};

float StoredPercent(const ResultRecord& record, int region, int column) {
    return record.ParameterBlock[RegionRow(region)][column - 1];
}

} // namespace

int SettingsShownSlot(const RunHistory& history) {
    const int selected = history.SelectedRun;
    return (selected >= 0 && selected < kHistorySlots) ? selected : 0;
}

QString FormatSettingsPercent(double percent) {
    if (std::isnan(percent)) return QStringLiteral("NAN");
    if (std::isinf(percent)) return percent > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // Rounding to an integer only makes sense, and is only defined, for
    // numbers that fit; larger ones keep five significant digits.
    if (std::fabs(percent) >= kLargestFixedPoint) return QString::number(percent, 'E', 4);
    return QString::number(RoundHalfEven(percent));
}

SettingsTableText SettingsTableCells(const RunHistory& history) {
    SettingsTableText cells;
    cells[0] = kColumnHeaders;
    const ResultRecord& shown = history.Slots[SettingsShownSlot(history)];
    const ResultRecord& reference = history.Slots[0];
    for (int row = 1; row < kSettingsTableRows; ++row) {
        const int region = kSettingsRowRegions[row - 1];
        cells[row][0] = kRowHeaders[row - 1];
        for (int column = 1; column < kSettingsTableColumns; ++column) {
            if (column == kStiffnessColumn) continue;
            cells[row][column] = FormatSettingsPercent(StoredPercent(shown, region, column)) +
                                 QStringLiteral(" (") +
                                 FormatSettingsPercent(StoredPercent(reference, region, column)) +
                                 QStringLiteral(")");
        }
    }
    return cells;
}

void SetChestWallResistanceForSettingsView(LungModel& model) {
    model.ChestWallResistance.current = 1.0;
}

} // namespace breathlab
