#include "hot_spot_grid.h"

#include "grid_file.h"
#include "string_grid.h"

#include <algorithm>

namespace breathlab {

namespace {

// Columns 0..3: number, x, y and region code.
constexpr int kHotSpotColumnsRead = 4;

bool WithinBounds(const TextGrid& table) {
    return table.ColumnCount() <= kMaxHotSpotColumns && table.RowCount() <= kMaxHotSpotRows;
}

} // namespace

std::optional<QString> LoadHotSpotGrid(const QString& path, StringGrid& grid) {
    // Read into a table that holds only the cells the file names, and check
    // its extent before the grid allocates its rectangle.
    TextGrid table(grid.ColCount(), grid.RowCount());
    if (auto failure = LoadGridFromFile(path, table)) return failure;
    if (!WithinBounds(table)) return HotSpotTableTooLargeMessage(path);
    grid.SetColCount(table.ColumnCount());
    grid.SetRowCount(table.RowCount());
    for (int row = 0; row < table.RowCount(); ++row)
        for (int col = 0; col < table.ColumnCount(); ++col) {
            const QString text = table.Cell(col, row);
            if (!text.isEmpty() || !grid.Cell(col, row).isEmpty()) grid.SetCell(col, row, text);
        }
    return std::nullopt;
}

QString HotSpotTableTooLargeMessage(const QString& path) {
    return QStringLiteral("The hot-spot table has more than %1 columns or %2 rows: ")
               .arg(kMaxHotSpotColumns)
               .arg(kMaxHotSpotRows) +
           path;
}

HotSpotTable HotSpotRowsOf(const StringGrid& grid) {
    HotSpotTable rows;
    const int columns = std::min(grid.ColCount(), kHotSpotColumnsRead);
    rows.reserve(grid.RowCount());
    for (int row = 0; row < grid.RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < columns; ++col) cells << grid.Cell(col, row);
        rows << cells;
    }
    return rows;
}

} // namespace breathlab
