// The whole input is the hot-spot table file. Besides not crashing, a table
// read from a file must read back the same after it has been saved.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"
#include "picture_probe.h"

#include "grid_file.h"
#include "hot_spots.h"

#include <algorithm>
#include <climits>

namespace breathlab {

namespace {

constexpr long long kMaxSavedCells = 1'000'000;

// The hot spots read columns 1..3; one more shows that further ones are ignored.
HotSpotTable TableOf(const TextGrid& grid) {
    HotSpotTable table;
    const int columns = std::min(grid.ColumnCount(), 5);
    for (int row = 0; row < grid.RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells.append(grid.Cell(column, row));
        table.append(cells);
    }
    return table;
}

void CheckSameGrid(const TextGrid& read, const TextGrid& reread) {
    FuzzCheck(read.RowCount() == reread.RowCount(), "a saved table keeps its row count");
    for (int row = 0; row < read.RowCount(); ++row)
        for (int column = 0; column < read.ColumnCount(); ++column)
            FuzzCheck(read.Cell(column, row) == reread.Cell(column, row),
                      "a saved table keeps its cells");
}

// The first rows' own positions (every probe reads the whole table), and
// points far outside the picture.
void ProbeTable(const HotSpotTable& table) {
    constexpr qsizetype kProbedRows = 64;
    for (int row = 0; row < std::min(table.size(), kProbedRows); ++row) {
        const int x = table[row].value(1).toInt();
        const int y = table[row].value(2).toInt();
        MoveAndClick(table, x, y, 100, 100);
        HotSpotRegion(table, row);
    }
    MoveAndClick(table, INT_MIN, INT_MAX, 1, 1);
    MoveAndClick(table, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
    MoveAndClick(table, 50, 50, 0, -1);
    FuzzCheck(HotSpotAt(table, INT_MIN, INT_MIN) >= kNoHotSpot, "a far point finds no row");
}

} // namespace

void FuzzHotSpotTable(const std::uint8_t* data, std::size_t size) {
    TextGrid read;
    FuzzCheck(!LoadGridFromFile(WriteScratchFile("table.dat", data, size), read),
              "an existing table file is read");
    ProbeTable(TableOf(read));
    // Saving writes every cell of the rectangle, so only moderate tables are saved.
    if (static_cast<long long>(read.RowCount()) * read.ColumnCount() > kMaxSavedCells) return;
    const QByteArray saved = GridFileText(read).toUtf8();
    TextGrid reread;
    FuzzCheck(!LoadGridFromFile(WriteScratchFile("saved.dat", saved.constData(), saved.size()),
                                reread),
              "a saved table is read back");
    CheckSameGrid(read, reread);
}

} // namespace breathlab
