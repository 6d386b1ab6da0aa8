// The volume-time plot: the lung volume of one run over its recording time,
// built point by point while a run records and redrawn whole for a selected
// run, over a line at the reference's FRC.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <optional>

#include "run_history.h"

namespace breathlab {

// What the plot remembers between steps; the window owns one beside the
// plot's image.
struct VolumeTimePlot {
    // Number (1-based) of the next recording point to draw; 1 makes the next
    // step clear the plot and draw the axes.
    int VolumeTimeCursor = 1;
    // Where the last drawn segment ended, the start of the next one.
    std::optional<QPoint> PenPosition;
};

// One step as the cursor says: at 1 clear the image and draw the axes and the
// reference's FRC line; at k = 2..1000 draw the segment from point k - 1 to
// point k of the slot in its colour. Then moves the cursor on. A null image
// is left alone.
void DrawVolumeTimeStep(QImage& image, VolumeTimePlot& plot, const ResultHistory& records,
                        int slot);

// The whole curve of the selected run, up to its last recorded point. A run
// without a recorded point leaves the image as it was.
void RedrawVolumeTime(QImage& image, VolumeTimePlot& plot, const RunHistory& history);

// The same drawings on any paint device, sized by the device: the empty plot
// with the reference's FRC line, and the whole curve of the selected run.
void PaintVolumeTimeAxes(QPainter& painter, const ResultHistory& records);
void PaintVolumeTimeCurve(QPainter& painter, VolumeTimePlot& plot, const RunHistory& history);

} // namespace breathlab
