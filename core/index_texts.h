// The texts of the indices table: which index stands in which row, with its
// unit, and what the reference, observed and percent columns say for a run.
// The numbers use '.' and '-'; a front end puts in its locale's signs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "run_history.h"

namespace breathlab {

constexpr int kIndicesColumns = 5;
constexpr int kIndicesRows = 16;
constexpr int kIndexNameColumn = 0;
constexpr int kIndexUnitColumn = 1;
constexpr int kReferenceColumn = 2;
constexpr int kObservedColumn = 3;
constexpr int kPercentColumn = 4;
constexpr int kVariableRow = 15;

inline constexpr std::string_view kFetName = "FET";
inline constexpr std::string_view kVariableName = "Variable";

struct IndexRowLayout {
    int Row;
    const char* Name;
    const char* Unit;
    float ResultRecord::*Field;
};

// Rows 9, 10 and 14 stay empty: they space the flow indices from the
// volumes and the signal row; row 15 shows the recorded signal.
extern const std::array<IndexRowLayout, 11> kIndexRows;

// Description text block for a run status: 11 completed, 9 dead, 10 error;
// none for a status that is none of these.
std::optional<int> StatusDescription(float runStatus);

// The status that decides what the observed column shows: that of the
// selected run, or of the reference while no run is selected.
float ShownStatus(const RunHistory& history);

// What one index row shows; the cells a row does not write are empty here.
struct IndexRowTexts {
    std::optional<std::string> Reference;
    std::optional<std::string> Observed;
    std::optional<std::string> Percent;
};

// The reference, observed and percent cells of one row for history slot
// `slot` (0..4). Without observed values both run cells are emptied.
IndexRowTexts IndexRowCells(const RunHistory& history, int slot, bool withObserved, int row,
                            std::string_view name, float reference, float observed);

// The whole table for a slot: header, the eleven index rows and "Variable".
// Cells that no row writes stay empty.
using IndexTableCells = std::array<std::array<std::string, kIndicesColumns>, kIndicesRows>;
IndexTableCells IndexTableTexts(const RunHistory& history, int slot, bool withObserved);

} // namespace breathlab
