// The whole input is the hot-spot file, read the way the window reads it at
// start-up: into its grid, then looked at by the airway picture. Besides not
// crashing, the grid must either keep its size (a refused file) or stay
// within the bounds of a hot-spot table, and every file, however odd, must be
// dealt with in time proportional to its size.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"

#include "hot_spot_grid.h"
#include "string_grid.h"

#include <climits>

namespace breathlab {

namespace {

void Probe(const HotSpotTable& rows, int x, int y) {
    HotSpotState state;
    const auto region = OnPictureMouseMove(state, rows, 0, x, y, 100, 100);
    FuzzCheck(region.has_value(), "without a slider group the picture follows the mouse");
    FuzzCheck(state.HoverHotSpot >= kNoHotSpot && state.HoverHotSpot < rows.size(),
              "the hovered hot spot is a row of the grid");
    OnPictureMouseDown(state, rows, PictureButton::Left);
}

} // namespace

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
        Probe(rows, rows[row].value(1).toInt(), rows[row].value(2).toInt());
    Probe(rows, INT_MIN, INT_MAX);
}

} // namespace breathlab
