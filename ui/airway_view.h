// Paints the airway schematic the core computes (see airway_schematic.h) over
// the airway illustration, composed off screen and shown in one piece.
#pragma once

#include "airway_schematic.h"

#include <QImage>
#include <QPainter>

namespace breathlab {

// Strokes every shape of the list, in its order, with the painter's transform.
void PaintSchematic(QPainter& painter, const AirwaySchematic& schematic);

// Composes the schematic in `offscreenBitmap` (made the schematic's size when
// it is not) over `backgroundPicture` stretched to the whole bitmap, then
// copies it in one operation to the rectangle at (left, top) of `canvas`. A
// background that is null leaves a white ground. Nothing is drawn for an
// empty schematic.
void AirwayView(QPainter& canvas, int left, int top, const AirwaySchematic& schematic,
                const QImage& backgroundPicture, QImage& offscreenBitmap);

} // namespace breathlab
