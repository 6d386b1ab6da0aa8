#include "parameter_set.h"
#include "settings_table.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace breathlab;

namespace {

std::unique_ptr<RunHistory> HistoryAllAt(float percent) {
    auto history = std::make_unique<RunHistory>();
    for (auto& record : history->Slots)
        for (auto& row : record.ParameterBlock)
            for (float& value : row)
                value = percent;
    return history;
}

} // namespace

TEST(SettingsTable, HeadersAndCellsOfAFreshHistory) {
    auto history = HistoryAllAt(100.0f);
    history->SelectedRun = -1;
    const SettingsTableText cells = SettingsTableCells(*history);

    const QStringList columns = {
        "", "R", "VDc", "R(1/swiat)", "--stiff--", "OBW. R(1/swia)", "CCC", "Rozmiar", "Cm"};
    const QStringList rows = {"",
                              "Both lungs",
                              "Left lung",
                              "Right lung",
                              "Upper Left L.",
                              "Lower Left L.",
                              "Upper Right L.",
                              "Middle Right L.",
                              "Lower Right L."};
    for (int column = 0; column < kSettingsTableColumns; ++column)
        EXPECT_EQ(cells[0][column], columns[column]);
    for (int row = 1; row < kSettingsTableRows; ++row) {
        EXPECT_EQ(cells[row][0], rows[row]);
        for (int column = 1; column < kSettingsTableColumns; ++column)
            EXPECT_EQ(cells[row][column], column == 4 ? QString() : QString("100 (100)"))
                << row << "," << column;
    }
}

TEST(SettingsTable, ShowsTheSelectedRunAgainstTheReference) {
    auto history = HistoryAllAt(100.0f);
    history->SelectedRun = 2;
    history->Slots[2].ParameterBlock[RegionRow(kBothLungs)][2] = 200.0f; // RMiddle
    history->Slots[2].ParameterBlock[RegionRow(kLeftLung)][0] = 149.6f;
    history->Slots[0].ParameterBlock[RegionRow(5)][7] = 75.0f; // reference Cm, lower right lobe
    history->Slots[1].ParameterBlock[RegionRow(kBothLungs)][0] = 400.0f; // not shown

    const SettingsTableText cells = SettingsTableCells(*history);
    EXPECT_EQ(cells[1][3], "200 (100)");
    EXPECT_EQ(cells[2][1], "150 (100)");
    EXPECT_EQ(cells[8][8], "100 (75)");
    EXPECT_EQ(cells[1][1], "100 (100)");

    history->SelectedRun = 9; // not a slot: the reference is shown
    EXPECT_EQ(SettingsTableCells(*history)[1][3], "100 (100)");
}

TEST(SettingsTable, PercentFormatRoundsHalvesToEvenAndSurvivesOddValues) {
    EXPECT_EQ(FormatSettingsPercent(149.6), "150");
    EXPECT_EQ(FormatSettingsPercent(2.5), "2");
    EXPECT_EQ(FormatSettingsPercent(3.5), "4");
    EXPECT_EQ(FormatSettingsPercent(-0.4), "0");
    EXPECT_EQ(FormatSettingsPercent(-12.7), "-13");
    EXPECT_EQ(FormatSettingsPercent(99999.4), "99999");
    EXPECT_TRUE(FormatSettingsPercent(99999.5).contains('E'));
    EXPECT_TRUE(FormatSettingsPercent(3.0e38).contains('E'));
    EXPECT_TRUE(FormatSettingsPercent(-1.0e300).startsWith('-'));
    // Large negative values take the same five-digit form as large positive
    // ones: the bound is on the size, not on the signed value (rounding
    // -1e300 to a whole number would be undefined).
    EXPECT_EQ(FormatSettingsPercent(-123456.0), "-1.2346E+05");
    EXPECT_EQ(FormatSettingsPercent(-99999.5), "-1.0000E+05");
    EXPECT_EQ(FormatSettingsPercent(-1.0e300), "-1.0000E+300");
    EXPECT_EQ(FormatSettingsPercent(-99999.4), "-99999");
    EXPECT_EQ(FormatSettingsPercent(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatSettingsPercent(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(SettingsTable, OpeningSetsOnlyTheCurrentChestWallResistance) {
    LungModel model{};
    model.ChestWallResistance.set(0.25);
    SetChestWallResistanceForSettingsView(model);
    EXPECT_EQ(model.ChestWallResistance.current, 1.0);
    EXPECT_EQ(model.ChestWallResistance.target, 0.25);
    // The next run's ramp starts from the changed value and reaches the target.
    model.ChestWallResistance.beginRamp(kNoRampNegative);
    EXPECT_TRUE(model.ChestWallResistance.ramp(kNoRampNegative, 4, 0.25));
    EXPECT_EQ(model.ChestWallResistance.current, 0.25);
}
