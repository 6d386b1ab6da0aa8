// Hot spots of the airway picture: points of the illustration, in percent of
// its size, that stand for a region (main, middle or peripheral airways, or the
// lungs). Hovering one highlights its region; clicking it selects the region's
// slider group or, with the right button, opens its help page.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace breathlab {

// The grid as read from the hot-spot file: row 0 a header, then one row per
// hot spot with column 1 = x, column 2 = y (percent) and column 3 = region code.
using HotSpotTable = QList<QStringList>;

constexpr int kNoHotSpot = -1;
constexpr int kHotSpotRadius = 5; // percent of the picture's width and height

struct HotSpotState {
    int HoverHotSpot = kNoHotSpot;
    int ClickedHotSpot = kNoHotSpot;
};

// Row of the hot spot at (px, py) percent, or kNoHotSpot. Rows whose position
// is not a pair of integers never match; of overlapping hot spots the later
// row wins.
int HotSpotAt(const HotSpotTable& table, int px, int py);

// Region code of a hot-spot row (1..5 in a sound table); 1, the plain picture,
// for no hot spot, a code that is not an integer, or 0.
int HotSpotRegion(const HotSpotTable& table, int row);

// Mouse movement over the picture at (x, y) of a width x height picture.
// Returns the region code to pass to ShowRegion, or nothing while a slider
// group is selected (the picture then keeps the group's region).
std::optional<int> OnPictureMouseMove(HotSpotState& state, const HotSpotTable& table,
                                      int sliderGroup, int x, int y, int width, int height);

enum class PictureButton { Left, Right, Other };

struct PictureClick {
    std::optional<int> SliderGroup; // pass to SelectSliderGroup when set
    bool OpenHelp = false;          // open the help page of state.ClickedHotSpot
};

// A press on the picture; it never repaints the picture.
PictureClick OnPictureMouseDown(HotSpotState& state, const HotSpotTable& table,
                                PictureButton button);

} // namespace breathlab
