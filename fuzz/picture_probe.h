// A pointer moved over the airway picture and pressed with either button:
// what the hot-spot table and the window's grid harnesses both ask of the
// table they read.
#pragma once

#include "fuzz_bytes.h"

#include "hot_spots.h"

namespace breathlab {

inline void MoveAndClick(const HotSpotTable& table, int x, int y, int width, int height) {
    HotSpotState state;
    const auto region = OnPictureMouseMove(state, table, 0, x, y, width, height);
    FuzzCheck(region.has_value(), "without a slider group the picture follows the mouse");
    FuzzCheck(state.HoverHotSpot >= kNoHotSpot && state.HoverHotSpot < table.size(),
              "the hovered hot spot is a row of the table");
    for (PictureButton button : {PictureButton::Left, PictureButton::Right}) {
        const PictureClick click = OnPictureMouseDown(state, table, button);
        if (click.OpenHelp) HotSpotRegion(table, state.ClickedHotSpot);
    }
}

} // namespace breathlab
