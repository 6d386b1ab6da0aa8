// The settings view: for every region and slider parameter, the percentage
// stored with the selected run next to the reference's own percentage, with
// the window's translated headings around the core's cells.
#pragma once

#include "lung_model.h"
#include "run_history.h"
#include "settings_cells.h"

#include <QString>

#include <array>

namespace breathlab {

constexpr int kSettingsTableColumns = kSettingsParameterCount + 1; // header column and parameters 1..8
constexpr int kSettingsTableRows = kSettingsRegionCount + 1;       // header row and eight regions
constexpr int kSettingsColumnWidth = 64;
constexpr int kSettingsRowHeight = 24;

// Cell texts, indexed [row][column]; row 0 and column 0 are the headers.
using SettingsTableText =
    std::array<std::array<QString, kSettingsTableColumns>, kSettingsTableRows>;

// A stored percentage as the view shows it (see SettingsPercentText).
QString FormatSettingsPercent(double percent);

// Every cell text of the view, "200 (100)" meaning 200 % in the shown run
// against 100 % in the reference. The stiffness column stays empty.
SettingsTableText SettingsTableCells(const RunHistory& history);

// Opening the view puts the current chest-wall resistance at 1.0 and leaves
// its target alone; the next START ramps it back within its first millisecond.
void SetChestWallResistanceForSettingsView(LungModel& model);

} // namespace breathlab
