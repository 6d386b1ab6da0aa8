#include "results_table.h"

#include <gtest/gtest.h>

#include <memory>

#include "parameter_set.h"
#include "slot_colours.h"

namespace breathlab {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(ResultsTable, RunRowShowsTheRegionsPercentagesAndTheExpirationDepth) {
    auto record = std::make_unique<ResultRecord>();
    const float bothLungs[8] = {150, 80, 400, 999, 200, 120.4f, 75, 123456.7f};
    std::copy(std::begin(bothLungs), std::end(bothLungs),
              record->ParameterBlock[RegionRow(kBothLungs)]);
    record->ParameterBlock[RegionRow(-2)][0] = 60;
    record->GlobalParamBlock[0] = 250;
    record->GlobalParamBlock[1] = 777;

    ResultsTable table;
    table.Cells[1][4] = "settings only";
    ShowRunRow(table, 1, *record, kBothLungs, kEnglish);
    const std::array<QString, kResultsColumns> expected = {
        "   150", "   80",  "", "   400", "settings only", "",
        "   200", "   120", "", "   75",  "   1.2346e+05"};
    EXPECT_EQ(table.Cells[1], expected);
    EXPECT_EQ(table.ExpirationDepth[1], "   250");

    ShowRunRow(table, 4, *record, -2, kEnglish);
    EXPECT_EQ(table.Cells[4][0], "   60");
    ShowRunRow(table, 2, *record, 6, kEnglish); // no such region
    ShowRunRow(table, 5, *record, 0, kEnglish); // no such row
    EXPECT_TRUE(table.Cells[2][0].isEmpty());
}

TEST(ResultsTableColours, BackgroundPrecedence) {
    const QColor menu(240, 240, 240);
    EXPECT_EQ(ResultsCellBackground(0, 2, menu), kTableGrey);
    EXPECT_EQ(ResultsCellBackground(2, 2, menu), kYellow);
    EXPECT_EQ(ResultsCellBackground(1, 2, menu), menu);
    EXPECT_EQ(ResultsCellBackground(3, -1, menu), menu);
    EXPECT_EQ(ResultsCellBackground(4, 4, menu), kTableGrey); // the reference row wins
    EXPECT_EQ(ResultsCellBackground(0, 0, menu), kYellow);    // selection beats the settings grey
}

TEST(ResultsTableColours, TextOnlyInListedRowsInTheSlotColour) {
    const std::array<bool, 5> oneRunListed = {true, true, false, false, true};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(ResultsCellShowsText(row, 1), oneRunListed[row]);
    EXPECT_FALSE(ResultsCellShowsText(1, 0));
    EXPECT_TRUE(ResultsCellShowsText(3, 3));

    const std::array<QColor, 6> byRow = {QColor(0, 0, 0),     QColor(255, 0, 0), QColor(0, 128, 0),
                                         QColor(128, 0, 128), QColor(0, 0, 0),   QColor(0, 0, 0)};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(ResultsCellTextColour(row), byRow[row]) << row;
}

} // namespace
} // namespace breathlab
