// The hot spots of the region pictures: points in percent of the picture, each
// standing for one region code. Where two lie close together the later row wins,
// so the rows run from the large regions to the small ones.
#pragma once

#include "grid_file.h"
#include "illustration_geometry.h"

#include <vector>

namespace breathlab {

struct HotSpotPoint {
    int XPercent;
    int YPercent;
    int Region;
};

std::vector<HotSpotPoint> MakeHotSpots(const IllustrationGeometry& geometry);

// The table as the program reads it: a header row, then number, x, y and region.
TextGrid HotSpotGrid(const std::vector<HotSpotPoint>& hotSpots);

} // namespace breathlab
