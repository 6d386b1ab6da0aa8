#include "settings_table.h"

#include "translated.h"

#include "rounding.h"

#include <cmath>

namespace breathlab {

namespace {

constexpr int kStiffnessColumn = 4;
constexpr double kLargestFixedPoint = 99999.5; // five integer digits after rounding

const std::array<QString, kSettingsTableColumns> kColumnHeaders = {
    QString(),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "R")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "VDc")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "R(1/swiat)")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "--stiff--")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "OBW. R(1/swia)")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "CCC")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Rozmiar")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Cm"))};

const std::array<QString, kSettingsTableRows - 1> kRowHeaders = {
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Both lungs")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Left lung")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Right lung")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Upper Left L.")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Lower Left L.")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Upper Right L.")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Middle Right L.")),
    QStringLiteral(QT_TRANSLATE_NOOP("SettingsTable", "Lower Right L."))};

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
    for (int column = 0; column < kSettingsTableColumns; ++column)
        cells[0][column] = Translated("SettingsTable", kColumnHeaders[column]);
    const ResultRecord& shown = history.Slots[SettingsShownSlot(history)];
    const ResultRecord& reference = history.Slots[0];
    for (int row = 1; row < kSettingsTableRows; ++row) {
        const int region = kSettingsRowRegions[row - 1];
        cells[row][0] = Translated("SettingsTable", kRowHeaders[row - 1]);
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
