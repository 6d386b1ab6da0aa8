// The whole input is the hot-spot file, read the way the window reads it at
// start-up: into its grid, then looked at by the airway picture. Besides not
// crashing, the grid must either keep its size (a refused file) or stay
// within the bounds of a hot-spot table, and every file, however odd, must be
// dealt with in time proportional to its size.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"
#include "picture_probe.h"

#include "hot_spot_grid.h"
#include "string_grid.h"

#include <climits>

namespace breathlab {

void FuzzHotSpotGrid(const std::uint8_t* data, std::size_t size) {
    EnsureGuiApplication();
    StringGrid grid(5, 40);
    const auto failure = LoadHotSpotGrid(WriteScratchFile("F000.dat", data, size), grid);
    if (failure) {
        FuzzCheck(grid.ColCount() == 5 && grid.RowCount() == 40, "a refused file leaves the grid");
        return;
    }
    FuzzCheck(grid.ColCount() <= kMaxHotSpotColumns && grid.RowCount() <= kMaxHotSpotRows,
              "a loaded table stays within the bounds");
    const HotSpotTable rows = HotSpotRowsOf(grid);
    FuzzCheck(rows.size() == grid.RowCount(), "the picture sees every row");
    for (int row = 1; row < std::min<int>(rows.size(), 16); ++row)
        MoveAndClick(rows, rows[row].value(1).toInt(), rows[row].value(2).toInt(), 100, 100);
    MoveAndClick(rows, INT_MIN, INT_MAX, 100, 100);
}

} // namespace breathlab
