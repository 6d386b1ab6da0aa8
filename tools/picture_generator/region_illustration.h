// The five region pictures: the airway illustration with nothing (region 1),
// the main airways (2), the middle airways (3), the peripheral airways (4) or
// the lungs (5) highlighted.
#pragma once

#include "illustration_geometry.h"

#include <QImage>

namespace breathlab {

constexpr int kFirstRegionCode = 1;
constexpr int kLastRegionCode = 5;

QImage DrawRegionPicture(const IllustrationGeometry& geometry, int regionCode);

} // namespace breathlab
