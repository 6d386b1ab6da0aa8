#include "settings_table.h"

#include "translated.h"

namespace breathlab {

namespace {

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

} // namespace

QString FormatSettingsPercent(double percent) {
    return QString::fromStdString(SettingsPercentText(percent));
}

SettingsTableText SettingsTableCells(const RunHistory& history) {
    SettingsTableText cells;
    for (int column = 0; column < kSettingsTableColumns; ++column)
        cells[0][column] = Translated("SettingsTable", kColumnHeaders[column]);
    const SettingsCells numbers = SettingsCellTexts(history, StiffnessColumn::Empty);
    for (int row = 1; row < kSettingsTableRows; ++row) {
        cells[row][0] = Translated("SettingsTable", kRowHeaders[row - 1]);
        for (int column = 1; column < kSettingsTableColumns; ++column)
            cells[row][column] = QString::fromStdString(numbers[row - 1][column - 1]);
    }
    return cells;
}

void SetChestWallResistanceForSettingsView(LungModel& model) {
    model.ChestWallResistance.current = 1.0;
}

} // namespace breathlab
