// The all-regions settings view's numbers, without Qt: for every region and
// slider parameter, the percentage stored with the shown run next to the
// reference's own. The window and the web page put their own headings
// around them.
#pragma once

#include "run_history.h"

#include <array>
#include <string>

namespace breathlab {

constexpr int kSettingsRegionCount = 8;
constexpr int kSettingsParameterCount = 8;
constexpr int kSettingsStiffnessParameter = 4;

// The region of each row: both lungs, each lung, then the lobes.
constexpr std::array<int, kSettingsRegionCount> kSettingsRowRegions = {0, -2, -1, 1, 2, 3, 4, 5};

// [row][parameter - 1], "200 (100)" meaning 200 % in the shown run against
// 100 % in the reference.
using SettingsCells =
    std::array<std::array<std::string, kSettingsParameterCount>, kSettingsRegionCount>;

// The history slot the view shows: the selected run, or the reference when no
// run is selected (or the selection is not a slot at all).
int SettingsShownSlot(const RunHistory& history);

// A stored percentage as the view shows it: fixed-point without decimals,
// halves to even (149.6 -> "150"); beyond five integer digits exponent form
// with four decimals ("-1.2346E+05").
std::string SettingsPercentText(double percent);

// The window has no stiffness slider and leaves that column empty; the web
// page has one and shows it.
enum class StiffnessColumn { Empty, Shown };

SettingsCells SettingsCellTexts(const RunHistory& history, StiffnessColumn stiffness);

} // namespace breathlab
