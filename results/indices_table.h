// The text of the indices table: the spirometric indices of one run beside
// those of the reference, and the run in percent of the reference.
#pragma once

#include <QColor>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

#include "index_texts.h"
#include "run_history.h"

namespace breathlab {

// Cells[row][column]. Cells that nothing writes keep their text.
struct IndicesTable {
    std::array<std::array<QString, kIndicesColumns>, kIndicesRows> Cells;
};

// What every row of one filling of the table shares.
struct IndexRowContext {
    const RunHistory& History;
    int Slot;          // the slot whose observed values are shown
    bool WithObserved; // false: the observed and percent columns are emptied
    QLocale Locale;
};

// One row of the table. Returns the description block that the window shows
// for the status of the selected run (of the reference when no run is
// selected); the description panel ends up showing the run's status text.
std::optional<int> ShowIndexRow(IndicesTable& table, const IndexRowContext& context, int row,
                                const QString& name, const QString& unit, float reference,
                                float observed);

// Fills the table for a history slot (0..4) against the reference in slot 0.
// A slot outside 0..4 leaves the table as it is and returns no description.
std::optional<int> ShowIndices(IndicesTable& table, const RunHistory& history, int slot,
                               bool withObserved, const QLocale& locale = QLocale());

// Cell painting: the background behind a cell's text, and its text colour
// (the selected run's colour in the observed and percent columns).
QColor IndicesCellBackground(int row);
QColor IndicesCellTextColour(int row, int column, int selectedRun, const QColor& fontColour);

} // namespace breathlab
