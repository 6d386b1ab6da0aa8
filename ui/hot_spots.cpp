#include "hot_spots.h"

#include "rounding.h"

#include <algorithm>
#include <cstdlib>

namespace breathlab {

namespace {

constexpr int kColumnX = 1;
constexpr int kColumnY = 2;
constexpr int kColumnRegion = 3;
constexpr int kPlainPicture = 1;

QString Cell(const HotSpotTable& table, int row, int column) {
    if (row < 0 || row >= table.size() || column >= table[row].size()) return {};
    return table[row][column];
}

std::optional<int> CellInteger(const HotSpotTable& table, int row, int column) {
    bool ok = false;
    const int value = Cell(table, row, column).toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// Distances in 64 bits: a cell may hold any int, and the difference of two
// ints can overflow an int.
bool WithinRadius(int mouse, int spot) {
    return std::llabs(static_cast<long long>(mouse) - spot) < kHotSpotRadius;
}

// A mouse far outside the picture lies outside every hot spot; the bound keeps
// the conversion to int defined.
int PercentOf(int position, int extent) {
    return static_cast<int>(RoundHalfEven(std::clamp(100.0 * position / extent, -1e6, 1e6)));
}

} // namespace

int HotSpotAt(const HotSpotTable& table, int px, int py) {
    int hit = kNoHotSpot;
    for (int row = 1; row < table.size(); ++row) {
        const std::optional<int> x = CellInteger(table, row, kColumnX);
        const std::optional<int> y = CellInteger(table, row, kColumnY);
        if (x && y && WithinRadius(px, *x) && WithinRadius(py, *y)) hit = row;
    }
    return hit;
}

int HotSpotRegion(const HotSpotTable& table, int row) {
    if (row == kNoHotSpot) return kPlainPicture;
    const std::optional<int> code = CellInteger(table, row, kColumnRegion);
    if (!code || *code == 0) return kPlainPicture;
    return *code;
}

std::optional<int> OnPictureMouseMove(HotSpotState& state, const HotSpotTable& table,
                                      int sliderGroup, int x, int y, int width, int height) {
    state.HoverHotSpot = kNoHotSpot;
    if (sliderGroup != 0) return std::nullopt;
    if (width > 0 && height > 0)
        state.HoverHotSpot = HotSpotAt(table, PercentOf(x, width), PercentOf(y, height));
    return HotSpotRegion(table, state.HoverHotSpot);
}

PictureClick OnPictureMouseDown(HotSpotState& state, const HotSpotTable& table,
                                PictureButton button) {
    state.ClickedHotSpot = state.HoverHotSpot;
    PictureClick click;
    click.OpenHelp = button == PictureButton::Right;
    if (state.ClickedHotSpot == kNoHotSpot) {
        click.SliderGroup = 0;
    } else if (button == PictureButton::Left) {
        // Region code -> slider group: the plain picture deselects, then MAIN,
        // MIDDLE, PERIPHERAL and LUNGS (group 2 belongs to no picture region).
        const QString code = Cell(table, state.ClickedHotSpot, kColumnRegion);
        if (code == "1") click.SliderGroup = 0;
        if (code == "2") click.SliderGroup = 1;
        if (code == "3") click.SliderGroup = 3;
        if (code == "4") click.SliderGroup = 4;
        if (code == "5") click.SliderGroup = 5;
    }
    return click;
}

} // namespace breathlab
