// The text of the results table (the parameter settings of the next run, of
// the listed runs and of the reference, under the sliders that set them) and
// of its hidden one-column companion for the expiration depth, together with
// the decisions of how their cells are painted.
#pragma once

#include <QColor>
#include <QLocale>
#include <QString>

#include <array>

#include "result_record.h"

namespace breathlab {

constexpr int kResultsColumns = 11;
constexpr int kResultsRows = 5;
constexpr int kSettingsRow = 0;  // the slider values for the next run
constexpr int kReferenceRow = 4; // the last row: slot 0

struct ResultsTable {
    std::array<std::array<QString, kResultsColumns>, kResultsRows> Cells; // [row][column]
    std::array<QString, kResultsRows> ExpirationDepth; // the hidden one-column grid, by row
};

// Column of parameter 1..8 (RMain, VDc, RMiddle, StiffMiddle, RPeripheral,
// CCC, Size, Cm): 0, 1, 3, 4, 6, 7, 9, 10; columns 2, 5 and 8 are spacers
// between the slider panels. -1 for any other number.
int ResultsColumnOfParameter(int parameter);

// Writes a row (0..4) of both grids from a stored run: the percentages of the
// region `currentRegion` (-2..5) except the middle-airway stiffness, which
// only the settings row shows, and the expiration depth. Rows or regions out
// of range change nothing.
void ShowRunRow(ResultsTable& table, int row, const ResultRecord& slot, int currentRegion,
                const QLocale& locale = QLocale());

// Cell painting of both grids. The background is grey for the settings and
// reference rows, yellow for the selected run and the menu colour otherwise;
// text shows only in the settings row, the listed runs and the reference row,
// in the colour of the row's slot.
QColor ResultsCellBackground(int row, int selectedRun, const QColor& menuColour);
bool ResultsCellShowsText(int row, int runCount);
QColor ResultsCellTextColour(int row);

} // namespace breathlab
