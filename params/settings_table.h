// The settings view: for every region and slider parameter, the percentage
// stored with the selected run next to the reference's own percentage.
#pragma once

#include "lung_model.h"
#include "run_history.h"

#include <QString>

#include <array>

namespace breathlab {

constexpr int kSettingsTableColumns = 9; // header column and parameters 1..8
constexpr int kSettingsTableRows = 9;    // header row and eight regions
constexpr int kSettingsColumnWidth = 64;
constexpr int kSettingsRowHeight = 24;

// Cell texts, indexed [row][column]; row 0 and column 0 are the headers.
using SettingsTableText =
    std::array<std::array<QString, kSettingsTableColumns>, kSettingsTableRows>;

// The region shown in each data row: both lungs, each lung, then the lobes.
constexpr std::array<int, kSettingsTableRows - 1> kSettingsRowRegions = {0, -2, -1, 1, 2, 3, 4, 5};

// The history slot the view shows: the selected run, or the reference when no
// run is selected (or the selection is not a slot at all).
int SettingsShownSlot(const RunHistory& history);

// A stored percentage as the view shows it: fixed-point without decimals,
// halves to even (149.6 -> "150"); beyond five integer digits exponent form.
QString FormatSettingsPercent(double percent);

// Every cell text of the view, "200 (100)" meaning 200 % in the shown run
// against 100 % in the reference. The stiffness column stays empty.
SettingsTableText SettingsTableCells(const RunHistory& history);

// Opening the view puts the current chest-wall resistance at 1.0 and leaves
// its target alone; the next START ramps it back within its first millisecond.
void SetChestWallResistanceForSettingsView(LungModel& model);

} // namespace breathlab
