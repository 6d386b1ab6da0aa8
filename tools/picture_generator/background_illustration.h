// The quiet background behind the live airway schematic: a faint chest with
// ribs, lungs and diaphragm, framing the trachea and the main bronchi that the
// schematic draws in black on top of it.
#pragma once

#include "illustration_geometry.h"

#include <QImage>

namespace breathlab {

QImage DrawBackgroundPicture(const IllustrationGeometry& geometry);

} // namespace breathlab
