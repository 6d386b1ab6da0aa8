#include "indices_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "slot_colours.h"

namespace breathlab {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// Flows are 8, 5, 2 (MEF75, MEF50, MEF25), volumes around 4 l, all times `scale`.
void FillIndices(ResultRecord& r, float scale) {
    r.FEV1 = 4.0f * scale, r.FVCEX = 5.0f * scale, r.FEV1PercentFVC = 80.0f;
    r.PEF = 10.0f * scale, r.MEF75 = 8.0f * scale, r.MEF50 = 5.0f * scale;
    r.MEF25 = 2.0f * scale, r.ERV = 1.5f * scale, r.FET = 6.0f;
    r.FRC = 3.0f * scale, r.TLC = 6.5f * scale;
    r.RunStatus = 1.0f, r.SignalSelection = 1.0f;
}

// Reference in slot 0, a run at three quarters of it in slot 1, selected.
class IndicesTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillIndices(history->Slots[0], 1.0f);
        FillIndices(history->Slots[1], 0.75f);
        history->RunCount = 1;
        history->SelectedRun = 1;
    }
    const auto& Row(int row) const { return table.Cells[row]; }
    std::optional<int> Show(int slot, bool withObserved) {
        return ShowIndices(table, *history, slot, withObserved, kEnglish);
    }

    std::unique_ptr<RunHistory> history = std::make_unique<RunHistory>();
    IndicesTable table;
};

TEST_F(IndicesTableTest, ComparesTheRunWithTheReference) {
    EXPECT_EQ(Show(1, true), 11);
    EXPECT_EQ(Row(0)[0], "");
    EXPECT_EQ(Row(0)[1], "Unit");
    EXPECT_EQ(Row(0)[2], "Ref.");
    EXPECT_EQ(Row(0)[3], "Obs.");
    EXPECT_EQ(Row(0)[4], "%");

    const std::array<QString, 5> fev1 = {"FEV1", "l", "4.00", "3.00", "75"};
    EXPECT_EQ(Row(1), fev1);
    EXPECT_EQ(Row(3)[0], "FEV1%FVC");
    EXPECT_EQ(Row(3)[4], "100");
    EXPECT_EQ(Row(4)[1], "l/s");
    EXPECT_EQ(Row(13)[0], "TLC");
    for (int emptyRow : {9, 10, 14})
        for (const QString& cell : Row(emptyRow))
            EXPECT_TRUE(cell.isEmpty()) << emptyRow;
}

// A row outside the table (one before the first, one past the last) is
// refused and writes nothing; the last row itself is written.
TEST_F(IndicesTableTest, RowsOutsideTheTableAreRefused) {
    const IndexRowContext context{*history, 1, true, kEnglish};
    const IndicesTable before = table;
    for (int row : {-1, kIndicesRows, kIndicesRows + 1}) {
        EXPECT_EQ(ShowIndexRow(table, context, row, "FEV1", "l", 4.0f, 3.0f), std::nullopt) << row;
        EXPECT_EQ(table.Cells, before.Cells) << row;
    }
    EXPECT_NE(ShowIndexRow(table, context, kIndicesRows - 1, "FEV1", "l", 4.0f, 3.0f), std::nullopt);
    EXPECT_EQ(table.Cells[kIndicesRows - 1][0], "FEV1");
}

TEST_F(IndicesTableTest, ExpirationTimeAndSignalRowsHaveNoReferenceOrPercent) {
    table.Cells[15][4] = "kept";
    Show(1, true);
    const std::array<QString, 5> fet = {"FET", "s", "", "6.00", " "};
    EXPECT_EQ(Row(11), fet);
    const std::array<QString, 5> variable = {"Variable", " ", "", "1", "kept"};
    EXPECT_EQ(Row(15), variable);
}

TEST_F(IndicesTableTest, FlowIndicesLoseTheirPercentWhenTheRunRecordedAnotherSignal) {
    history->Slots[1].SignalSelection = 4.0f;
    Show(1, true);
    for (int row : {1, 2, 3, 8})
        EXPECT_NE(Row(row)[4], " ") << row;
    for (int row : {4, 5, 6, 7, 11, 12, 13})
        EXPECT_EQ(Row(row)[4], " ") << row;
    EXPECT_EQ(Row(15)[3], "4");
}

TEST_F(IndicesTableTest, FailedRunsShowTheirStatusInsteadOfValues) {
    history->Slots[1].RunStatus = 0.0f;
    EXPECT_EQ(Show(1, true), 9);
    for (int row : {1, 2, 8, 11, 13}) {
        EXPECT_EQ(Row(row)[3], "dead") << row;
        EXPECT_EQ(Row(row)[4], " ") << row;
    }
    EXPECT_EQ(Row(1)[2], "4.00");

    history->Slots[1].RunStatus = -1.0f;
    EXPECT_EQ(Show(1, true), 10);
    EXPECT_EQ(Row(5)[3], "error");

    history->Slots[1].RunStatus = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Show(1, true), std::nullopt);
    EXPECT_EQ(Row(5)[3], "error");
}

TEST_F(IndicesTableTest, StatusComesFromTheSelectedRunOrElseTheReference) {
    history->Slots[2] = history->Slots[1];
    history->Slots[2].RunStatus = 0.0f;
    history->SelectedRun = -1;
    EXPECT_EQ(Show(2, true), 11);
    EXPECT_EQ(Row(1)[3], "3.00");

    history->Slots[0].RunStatus = -1.0f;
    history->SelectedRun = 1;
    EXPECT_EQ(Show(1, true), 11);
}

TEST_F(IndicesTableTest, ReferenceAloneEmptiesTheRunColumns) {
    Show(1, true);
    EXPECT_EQ(Show(0, false), 11);
    for (int row = 1; row < kIndicesRows; ++row) {
        EXPECT_TRUE(Row(row)[3].isEmpty()) << row;
        EXPECT_TRUE(Row(row)[4].isEmpty()) << row;
    }
    EXPECT_EQ(Row(2)[2], "5.00");
}

TEST_F(IndicesTableTest, ZeroNegativeOrOddReferenceGivesNoPercent) {
    history->Slots[0].FEV1 = 0.0f;
    history->Slots[0].PEF = -2.0f;
    history->Slots[0].ERV = std::numeric_limits<float>::quiet_NaN();
    history->Slots[1].MEF50 = std::numeric_limits<float>::infinity();
    Show(1, true);
    EXPECT_EQ(Row(1)[4], " ");
    EXPECT_EQ(Row(4)[4], " ");
    EXPECT_EQ(Row(8)[2], "nan");
    EXPECT_EQ(Row(8)[4], " ");
    EXPECT_EQ(Row(6)[3], "inf");
    EXPECT_EQ(Row(6)[4], "inf");
}

TEST(IndicesTableColours, RowsAndTheSelectedRunsColumns) {
    EXPECT_EQ(IndicesCellBackground(0), kAqua);
    EXPECT_EQ(IndicesCellBackground(14), kTableGrey);
    EXPECT_EQ(IndicesCellBackground(15), kTableGrey);
    EXPECT_EQ(IndicesCellBackground(1), kSilver);
    EXPECT_EQ(IndicesCellBackground(13), kSilver);

    const QColor font(1, 2, 3);
    EXPECT_EQ(IndicesCellTextColour(1, 3, 2, font), kGreen);
    EXPECT_EQ(IndicesCellTextColour(15, 4, 3, font), kPurple);
    EXPECT_EQ(IndicesCellTextColour(0, 3, 2, font), font);
    EXPECT_EQ(IndicesCellTextColour(1, 2, 2, font), font);
    EXPECT_EQ(IndicesCellTextColour(1, 3, -1, font), font);
}

} // namespace
} // namespace breathlab
