// The flow-volume plot: the forced-expiration samples of the reference and of
// the newer runs on common axes, volume expired since full inspiration to the
// right and expiratory flow upwards, each curve with its FEV1 mark.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

#include "recording.h"
#include "run_history.h"

namespace breathlab {

// One sample of a curve that has just been drawn, for the replay that follows
// the curve sample by sample.
struct FlowVolumeSample {
    int Slot;
    int SampleNumber; // 2..1500, the row of the lobe traces
    double Volume;    // lung volume at this sample, L
    double VolumeMin; // smallest positive sampled volume of the curve, L
    double VolumeMax; // largest sampled volume of the curve, L
};

// Called after each drawn segment of a curve drawn with a pen width of 2 or
// more; returning false leaves the rest of the curve undrawn. The samples'
// volumes may all be equal, so VolumeMax - VolumeMin can be zero.
using CurveReplayStep = std::function<bool(const FlowVolumeSample&)>;

// Redraws the whole plot: white background, axes, ticks and labels, then the
// curves of slot 0 and of slots 3, 2 and 1, the selected run with a wide pen.
// The flow captions appear only for the flow signals 1..3. A null image is
// left alone.
void DrawFlowVolumePlot(QImage& image, const RunHistory& history,
                        int recordedSignal = RecordedSignal,
                        const CurveReplayStep& replayStep = {});

// The same drawing on any paint device (an image, a picture, an SVG file),
// sized by the device.
void PaintFlowVolumePlot(QPainter& painter, const RunHistory& history,
                         int recordedSignal = RecordedSignal,
                         const CurveReplayStep& replayStep = {});

// One curve of a history slot in the given colour and pen width; leaves the
// painter's pen black with that width. Breath holds (zero flow) leave gaps.
void DrawFlowVolumeCurve(QPainter& painter, const ResultHistory& records, int slot,
                         const QColor& colour, int penWidth,
                         const CurveReplayStep& replayStep = {});

// A short upright line at the FEV1 point of a slot's curve, with the pen width
// the curve left; only for a run with samples, an FEV1 and an FRC.
void DrawFev1Mark(QPainter& painter, const ResultHistory& records, int slot, const QColor& colour);

} // namespace breathlab
