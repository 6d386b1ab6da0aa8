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
    EXPECT_TRUE(table.Cells[2][0].isEmpty());

    ShowRunRow(table, 4, *record, -2, kEnglish);
    EXPECT_EQ(table.Cells[4][0], "   60");
}

TEST(ResultsTable, RowOrRegionOutOfRangeChangesNothing) {
    auto record = std::make_unique<ResultRecord>();
    ResultsTable table;
    ShowRunRow(table, 5, *record, kBothLungs);
    ShowRunRow(table, -1, *record, kBothLungs);
    ShowRunRow(table, 1, *record, 6);
    ShowRunRow(table, 1, *record, -3);
    for (const auto& row : table.Cells)
        for (const QString& cell : row)
            EXPECT_TRUE(cell.isEmpty());
}

TEST(ResultsTable, ParameterColumnsSkipTheSpacers) {
    EXPECT_EQ(ResultsColumnOfParameter(1), 0);
    EXPECT_EQ(ResultsColumnOfParameter(4), 4);
    EXPECT_EQ(ResultsColumnOfParameter(5), 6);
    EXPECT_EQ(ResultsColumnOfParameter(8), 10);
    EXPECT_EQ(ResultsColumnOfParameter(0), -1);
    EXPECT_EQ(ResultsColumnOfParameter(9), -1);
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
    EXPECT_TRUE(ResultsCellShowsText(0, 0));
    EXPECT_TRUE(ResultsCellShowsText(4, 0));
    EXPECT_FALSE(ResultsCellShowsText(1, 0));
    EXPECT_TRUE(ResultsCellShowsText(1, 1));
    EXPECT_FALSE(ResultsCellShowsText(2, 1));
    EXPECT_TRUE(ResultsCellShowsText(3, 3));

    EXPECT_EQ(ResultsCellTextColour(0), QColor(0, 0, 0));
    EXPECT_EQ(ResultsCellTextColour(1), QColor(255, 0, 0));
    EXPECT_EQ(ResultsCellTextColour(2), QColor(0, 128, 0));
    EXPECT_EQ(ResultsCellTextColour(3), QColor(128, 0, 128));
    EXPECT_EQ(ResultsCellTextColour(4), QColor(0, 0, 0));
    EXPECT_EQ(ResultsCellTextColour(7), QColor(0, 0, 0));
}

} // namespace
} // namespace breathlab
