#include "index_texts.h"

#include <gtest/gtest.h>

#include <memory>

namespace breathlab {
namespace {

std::unique_ptr<RunHistory> HistoryWithRun(float status) {
    auto history = std::make_unique<RunHistory>();
    history->Slots[0].FEV1 = 4.0f;
    history->Slots[0].FET = 6.0f;
    history->Slots[0].RunStatus = 1.0f;
    history->Slots[1].FEV1 = 3.0f;
    history->Slots[1].FET = 5.5f;
    history->Slots[1].SignalSelection = 1.0f;
    history->Slots[1].RunStatus = status;
    history->SelectedRun = 1;
    history->RunCount = 1;
    return history;
}

TEST(IndexTableTexts, CompletedRunShowsReferenceObservedAndPercent) {
    const auto history = HistoryWithRun(1.0f);
    const IndexTableCells cells = IndexTableTexts(*history, 1, true);
    EXPECT_EQ(cells[0][kReferenceColumn], "Ref.");
    EXPECT_EQ(cells[1][kIndexNameColumn], "FEV1");
    EXPECT_EQ(cells[1][kIndexUnitColumn], "l");
    EXPECT_EQ(cells[1][kReferenceColumn], "4.00");
    EXPECT_EQ(cells[1][kObservedColumn], "3.00");
    EXPECT_EQ(cells[1][kPercentColumn], "75");
    // The expiration time has neither a reference nor a percentage.
    EXPECT_EQ(cells[11][kIndexNameColumn], "FET");
    EXPECT_EQ(cells[11][kReferenceColumn], "");
    EXPECT_EQ(cells[11][kObservedColumn], "5.50");
    EXPECT_EQ(cells[11][kPercentColumn], " ");
    EXPECT_EQ(cells[kVariableRow][kIndexNameColumn], "Variable");
    EXPECT_EQ(cells[kVariableRow][kObservedColumn], "1");
    EXPECT_EQ(cells[9][kIndexNameColumn], ""); // spacer row
}

TEST(IndexTableTexts, DeadAndFailedRunsAreNamedAndNeverCompared) {
    for (const auto& [status, word] : {std::pair{0.0f, "dead"}, std::pair{-1.0f, "error"}}) {
        const IndexTableCells cells = IndexTableTexts(*HistoryWithRun(status), 1, true);
        for (const IndexRowLayout& layout : kIndexRows) {
            EXPECT_EQ(cells[layout.Row][kObservedColumn], word) << layout.Name;
            EXPECT_EQ(cells[layout.Row][kPercentColumn], " ") << layout.Name;
        }
        EXPECT_EQ(cells[1][kReferenceColumn], "4.00");
    }
}

TEST(IndexTableTexts, ReferenceAloneLeavesTheRunColumnsEmptyAndBadSlotsGiveNothing) {
    const auto history = HistoryWithRun(1.0f);
    const IndexTableCells cells = IndexTableTexts(*history, 0, false);
    EXPECT_EQ(cells[1][kReferenceColumn], "4.00");
    EXPECT_EQ(cells[1][kObservedColumn], "");
    EXPECT_EQ(cells[1][kPercentColumn], "");
    EXPECT_EQ(IndexTableTexts(*history, 5, true)[1][kIndexNameColumn], "");
    EXPECT_EQ(StatusDescription(0.0f), 9);
    EXPECT_EQ(StatusDescription(-1.0f), 10);
    EXPECT_EQ(StatusDescription(1.0f), 11);
    EXPECT_EQ(StatusDescription(7.0f), std::nullopt);
}

} // namespace
} // namespace breathlab
