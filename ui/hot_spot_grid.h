// The hot-spot table as the window holds it: the hidden grid hotSpotGrid, filled
// from the hot-spot file at start-up and read by the airway picture.
#pragma once

#include "hot_spots.h"

#include <QString>

#include <optional>

class StringGrid;

namespace breathlab {

// A hot-spot table is a header and a few dozen points of a picture, each with
// four fields; a file far beyond that is damaged and is refused, because the
// grid holds every cell of its rectangle.
constexpr int kMaxHotSpotColumns = 64;
constexpr int kMaxHotSpotRows = 4096;

// Reads the hot-spot file into the grid; the grid grows to fit and never
// shrinks. On failure (a missing file, one too large, a table beyond the
// bounds above) the grid keeps its content and the message to show is
// returned. Takes time in proportion to the file's size.
std::optional<QString> LoadHotSpotGrid(const QString& path, StringGrid& grid);

QString HotSpotTableTooLargeMessage(const QString& path);

// The rows the airway picture looks at: every row, with the columns up to the
// region code (further columns are kept in the grid but never read).
HotSpotTable HotSpotRowsOf(const StringGrid& grid);

} // namespace breathlab
